#include "app/DlgNewReturnAddress.h"

#include "app/FormStampMain.h"
#include "app/Guard.h"
#include "app/Prompt.h"
#include "app/Scale.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentrope {

namespace {
constexpr int HelpTopic = 20036;
}

TDlgNewReturnAddress::TDlgNewReturnAddress(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgNewReturnAddress"));
    setWindowTitle(QStringLiteral("New Return Address"));
    setModal(true);
    setFixedSize(Scale::dp(QSize(306, 110)));

    LabelDescription = new QLabel(QStringLiteral("Description:"), this);
    LabelDescription->setObjectName(QStringLiteral("LabelDescription"));
    LabelDescription->setGeometry(Scale::dp(9, 9, 288, 18));
    EditReturnAddress = new QLineEdit(this);
    EditReturnAddress->setObjectName(QStringLiteral("EditReturnAddress"));
    EditReturnAddress->setGeometry(Scale::dp(9, 28, 288, 30));
    EditReturnAddress->setToolTip(QStringLiteral("Enter a description for the return address."));
    EditReturnAddress->setStatusTip(EditReturnAddress->toolTip());
    LabelDescription->setBuddy(EditReturnAddress);
    auto button = [this](const char *name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(Scale::dp(x, 70, 90, 32));
        b->setAutoDefault(false);
        return b;
    };
    OKBtn = button("OKBtn", QStringLiteral("OK"), 9);
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", QStringLiteral("Cancel"), 108);
    HelpBtn = button("HelpBtn", QStringLiteral("Help"), 207);
    setTabOrder(EditReturnAddress, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(HelpBtn, &QPushButton::clicked, this, Guard([] {
                if (auto &help = Prompt::helpHandler())
                    help(HelpTopic);
            }));
    FormCreate(this);
}

void TDlgNewReturnAddress::FormCreate(QObject *)
{
    SetHelpContext(this, HelpTopic);
    for (QObject *o : std::initializer_list<QObject *>{EditReturnAddress, OKBtn, CancelBtn, HelpBtn})
        SetHelpContext(o, HelpTopic);
}

void TDlgNewReturnAddress::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    // The focus starts on OK the first time; later it stays where it was left.
    if (!m_shown)
        OKBtn->setFocus();
    m_shown = true;
}

} // namespace zentrope
