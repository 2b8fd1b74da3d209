#pragma once

#include <QDialog>

namespace zentrope {

class TDlgReturnAddresses : public QDialog {
    Q_OBJECT
public:
    explicit TDlgReturnAddresses(QWidget *parent = nullptr);
    // Writes the catalog to section "ReturnAddresses" (the shutdown step).
    void SaveAddresses();
};

} // namespace zentrope
