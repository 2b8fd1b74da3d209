#include "app/dialogs/DlgAbout.h"

#include "app/controls/Scale.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrope {

TDlgAbout::TDlgAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgAbout"));
    setWindowTitle(tr("About %1").arg(QStringLiteral("Zentrope")));
    setModal(true);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(
        QIcon(QStringLiteral(":/zentrope/icons/zentrope.svg")).pixmap(Scale::dp(QSize(64, 64))));
    ProgramIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    ProductName = new QLabel(this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big = ProductName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    ProductName->setFont(big);
    Version = new QLabel(this);
    Version->setObjectName(QStringLiteral("Version"));
    Comments = new QLabel(tr("for Windows 95"), this);
    Comments->setObjectName(QStringLiteral("Comments"));
    for (QLabel *l : {ProductName, Version, Comments})
        l->setTextFormat(Qt::PlainText);
    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(ProductName);
    text->addWidget(Version);
    text->addWidget(Comments);
    text->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(ProgramIcon);
    row->addSpacing(Scale::dp(16));
    row->addLayout(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowProgram(QStringLiteral("Zentrope"), tr("Version %1").arg(QStringLiteral("6.0a")));
}

void TDlgAbout::ShowProgram(const QString &title, const QString &versionText)
{
    setWindowTitle(tr("About %1").arg(title));
    ProductName->setText(title);
    Version->setText(versionText);
}

} // namespace zentrope
