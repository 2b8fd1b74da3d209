#include "app/dialogs/NameDialog.h"

#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zentrope {

NameDialog::NameDialog(QWidget *parent, const Design &design)
    : QDialog(parent), m_focusOkEveryTime(design.FocusOkEveryTime)
{
    setObjectName(QString::fromLatin1(design.ObjectName));
    setWindowTitle(design.Caption);
    setModal(true);
    setFixedSize(Scale::dp(QSize(306, 110)));

    LabelDescription = new QLabel(tr("Description:"), this);
    LabelDescription->setObjectName(QStringLiteral("LabelDescription"));
    LabelDescription->setGeometry(Scale::dp(9, 9, 288, 18));
    Edit = new QLineEdit(this);
    Edit->setObjectName(QString::fromLatin1(design.EditName));
    Edit->setGeometry(Scale::dp(9, 28, 288, 30));
    Edit->setToolTip(design.EditHint);
    Edit->setStatusTip(design.EditHint);
    LabelDescription->setBuddy(Edit);
    auto button = [this](const char *name, const QString &caption, int x) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(Scale::dp(x, 70, 90, 32));
        b->setAutoDefault(false);
        return b;
    };
    OKBtn = button("OKBtn", tr("OK"), 9);
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", tr("Cancel"), 108);
    HelpBtn = button("HelpBtn", tr("Help"), 207);
    setTabOrder(Edit, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);

    const int topic = design.HelpTopic;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Prompt::connectHelp(HelpBtn, topic);
    SetHelpContext(this, topic);
    for (QObject *o : std::initializer_list<QObject *>{LabelDescription, Edit, OKBtn, CancelBtn, HelpBtn})
        SetHelpContext(o, topic);
}

void NameDialog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (m_focusOkEveryTime || !m_shown)
        OKBtn->setFocus();
    m_shown = true;
}

} // namespace zentrope
