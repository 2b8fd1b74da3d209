#pragma once

#include <QDialog>

namespace zentrope {

class TFormPrintStatus : public QDialog {
    Q_OBJECT
public:
    explicit TFormPrintStatus(QWidget *parent = nullptr);

};

} // namespace zentrope
