#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

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

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_focusOkEveryTime;
    bool m_shown = false;
};

} // namespace zentrope
