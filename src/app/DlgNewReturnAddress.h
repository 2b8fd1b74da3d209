#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentrope {

// Asks for a return address's description, for Add and Rename; any text, the
// empty one included, is accepted with OK.
class TDlgNewReturnAddress : public QDialog {
    Q_OBJECT
public:
    explicit TDlgNewReturnAddress(QWidget *parent = nullptr);

    QLabel *LabelDescription = nullptr;
    QLineEdit *EditReturnAddress = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    void FormCreate(QObject *Sender);

protected:
    void showEvent(QShowEvent *e) override;

private:
    bool m_shown = false;
};

} // namespace zentrope
