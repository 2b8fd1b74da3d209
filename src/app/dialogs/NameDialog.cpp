#include "app/dialogs/NameDialog.h"

#include "app/controls/DesignFit.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrope {

NameDialog::NameDialog(QWidget *parent, const Design &design)
    : QDialog(parent), FFocusOkEveryTime(design.FocusOkEveryTime)
{
    setObjectName(QString::fromLatin1(design.ObjectName));
    setWindowTitle(design.Caption);
    setModal(true);

    LabelDescription = new QLabel(tr("Description:"), this);
    LabelDescription->setObjectName(QStringLiteral("LabelDescription"));
    SetDesignSize(LabelDescription, 288, 18);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QString::fromLatin1(design.EditName));
    SetDesignSize(Edit, 288, 30);
    Edit->setToolTip(design.EditHint);
    Edit->setStatusTip(design.EditHint);
    LabelDescription->setBuddy(Edit);
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(Scale::dp(9));
    auto button = [this, buttons](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        SetDesignSize(b, 90, 32);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    OKBtn = button("OKBtn", tr("OK"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", tr("Cancel"));
    HelpBtn = button("HelpBtn", tr("Help"));
    buttons->addStretch(1);
    setTabOrder(Edit, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);

    FColumn = new QVBoxLayout(this);
    FColumn->setContentsMargins(Scale::dp(9), Scale::dp(9), Scale::dp(9), Scale::dp(8));
    FColumn->setSpacing(0);
    FColumn->addWidget(LabelDescription);
    FColumn->addSpacing(Scale::dp(1));
    FColumn->addWidget(Edit);
    FColumn->addSpacing(Scale::dp(12));
    FColumn->addLayout(buttons);
    Fit();

    const int topic = design.HelpTopic;
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Prompt::connectHelp(HelpBtn, topic);
    SetHelpContext(this, topic);
    for (QObject *o : std::initializer_list<QObject *>{LabelDescription, Edit, OKBtn, CancelBtn, HelpBtn})
        SetHelpContext(o, topic);
}

void NameDialog::InsertAbove(QWidget *w)
{
    FColumn->insertWidget(0, w);
}

void NameDialog::Fit()
{
    FitToDesign(this, FDesign);
}

void NameDialog::setVisible(bool visible)
{
    if (visible && !isVisible())
        Fit();
    QDialog::setVisible(visible);
}

void NameDialog::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    if (FFocusOkEveryTime || !FShown)
        OKBtn->setFocus();
    FShown = true;
}

} // namespace zentrope
