#pragma once

#include <QDialog>

namespace zentrope {

class TDlgNewEnvelopeSize : public QDialog {
    Q_OBJECT
public:
    explicit TDlgNewEnvelopeSize(QWidget *parent = nullptr);

};

} // namespace zentrope
