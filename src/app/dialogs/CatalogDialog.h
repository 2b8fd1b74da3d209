#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace zentrope {

class NameDialog;

// What the two catalog dialogs share: a list box that shows the catalog in
// its sorted order and is refilled from it, index for index; the releases of
// a key or a mouse button on the list, which show the selected entry; the
// name dialog of Add and Rename; the delete question; and the Help button.
class CatalogDialog : public QDialog {
    Q_OBJECT
public:
    // The list box's selected position (-1 for none).
    int SelectedIndex() const;

protected:
    CatalogDialog(QWidget *parent, int helpTopic);
    ~CatalogDialog() override;

    // The list box the derived dialog has made.
    void SetList(QListWidget *list);
    // Refills the list with the catalog's names; selects `selected`, or
    // nothing when it is outside the list.
    void FillList(const QStringList &names, int selected);
    // Asks for a name, starting from `text`; false when the user cancels.
    static bool AskName(NameDialog &dialog, const QString &caption, const QString &text, QString &name);
    // The delete confirmation (Yes, No, Help); true for Yes.
    bool ConfirmDelete(const QString &question, int helpTopic);
    // Help opens the dialog's topic.
    void ConnectHelp(QPushButton *button);

    virtual int CatalogCount() const = 0;
    // The list's selection is the catalog's current entry.
    virtual void SetCatalogCurrent(int index) = 0;
    virtual void ListKeyUp() = 0;
    virtual void ListMouseUp() = 0;
    bool eventFilter(QObject *watched, QEvent *e) override;

    // Set while the dialog fills its boxes, so their change handlers know
    // that the program, not the user, changed them.
    struct FlagScope {
        bool &flag;
        explicit FlagScope(bool &f) : flag(f) { flag = true; }
        ~FlagScope() { flag = false; }
    };

private:
    QListWidget *m_list = nullptr;
    int m_helpTopic;
};

} // namespace zentrope
