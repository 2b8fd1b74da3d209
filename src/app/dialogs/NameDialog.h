#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace zentrope {

// The small dialog that asks for a catalog entry's name, for Add and Rename:
// a "Description:" box with OK, Cancel and Help.
class NameDialog : public QDialog {
    Q_OBJECT
public:
    struct Design {
        const char *ObjectName;
        QString Caption;
        const char *EditName;
        QString EditHint;
        int HelpTopic;
        bool FocusOkEveryTime; // otherwise only at the first showing
    };
    NameDialog(QWidget *parent, const Design &design);

    QLabel *LabelDescription = nullptr;
    QLineEdit *Edit = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    void setVisible(bool visible) override;

protected:
    // Puts a control above the description, in the dialog's column.
    void InsertAbove(QWidget *w);
    // The dialog's designed size (design pixels); Fit lays it out at it.
    void SetDesign(QSize design) { FDesign = design; }
    void Fit();
    void showEvent(QShowEvent *e) override;

private:
    QVBoxLayout *FColumn = nullptr;
    QSize FDesign{306, 110};
    bool FFocusOkEveryTime;
    bool FShown = false;
};

} // namespace zentrope
