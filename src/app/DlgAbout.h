#pragma once

#include <QDialog>

namespace zentrope {

class TDlgAbout : public QDialog {
    Q_OBJECT
public:
    explicit TDlgAbout(QWidget *parent = nullptr);

};

} // namespace zentrope
