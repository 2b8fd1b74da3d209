#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentrope {

// Asks for an envelope size's name, for Add and Rename; the caller sets the
// caption and the text and reads EditEnvelopeSize back after OK.
class TDlgNewEnvelopeSize : public QDialog {
    Q_OBJECT
public:
    explicit TDlgNewEnvelopeSize(QWidget *parent = nullptr);

    QLabel *LabelDescription = nullptr;
    QLineEdit *EditEnvelopeSize = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    void FormCreate(QObject *Sender);

protected:
    void showEvent(QShowEvent *e) override;
};

} // namespace zentrope
