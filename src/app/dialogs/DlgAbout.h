#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zentrope {

// The About box: the program's icon, title, version and platform line.
class TDlgAbout : public QDialog {
    Q_OBJECT
public:
    explicit TDlgAbout(QWidget *parent = nullptr);

    // Fills the box: the application title, then the version text.
    void ShowProgram(const QString &title, const QString &versionText);

    QLabel *ProgramIcon = nullptr;
    QLabel *ProductName = nullptr;
    QLabel *Version = nullptr;
    QLabel *Comments = nullptr;
    QPushButton *OKButton = nullptr;
};

} // namespace zentrope
