#pragma once

#include <QDialog>

namespace zentrope {

class TDlgNewReturnAddress : public QDialog {
    Q_OBJECT
public:
    explicit TDlgNewReturnAddress(QWidget *parent = nullptr);

};

} // namespace zentrope
