#include "app/dialogs/DlgAbout.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/help/HelpDesk.h"
#include "app/prompt/Prompt.h"
#include "platform/Topics.h"

namespace zentrope {

// The Help menu.

void TFormStampMain::HelpContentsClick(QObject *)
{
    FHelp.ShowTopic(Topic::Contents);
}

void TFormStampMain::HelpOverviewClick(QObject *)
{
    FHelp.ShowTopic(Topic::Overview);
}

void TFormStampMain::HelpSearchClick(QObject *)
{
    FHelp.ShowTopic(Topic::Contents);
    FHelp.ShowSearch();
}

void TFormStampMain::HelpSupportClick(QObject *)
{
    FHelp.ShowTopic(Topic::Support);
}

void TFormStampMain::HelpWarrantyClick(QObject *)
{
    FHelp.ShowTopic(Topic::Warranty);
}

void TFormStampMain::HelpLicenseClick(QObject *)
{
    FHelp.ShowTopic(Topic::License);
}

void TFormStampMain::HelpProductsClick(QObject *)
{
    FHelp.ShowTopic(Topic::Products);
}

void TFormStampMain::HelpAboutClick(QObject *)
{
    if (!FDialogs.About)
        return;
    TDlgAbout &about = FDialogs.About();
    about.ShowProgram(FSession.Application.Title, FState.VersionText);
    Prompt::exec(about);
}

} // namespace zentrope
