#include "app/dialogs/DlgAbout.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/help/HelpDesk.h"
#include "app/prompt/Prompt.h"
#include "platform/Topics.h"

namespace zentrope {

// The Help menu.

void TFormStampMain::HelpContentsClick(QObject *)
{
    m_help.ShowTopic(Topic::Contents);
}

void TFormStampMain::HelpOverviewClick(QObject *)
{
    m_help.ShowTopic(Topic::Overview);
}

void TFormStampMain::HelpSearchClick(QObject *)
{
    m_help.ShowTopic(Topic::Contents);
    m_help.ShowSearch();
}

void TFormStampMain::HelpSupportClick(QObject *)
{
    m_help.ShowTopic(Topic::Support);
}

void TFormStampMain::HelpWarrantyClick(QObject *)
{
    m_help.ShowTopic(Topic::Warranty);
}

void TFormStampMain::HelpLicenseClick(QObject *)
{
    m_help.ShowTopic(Topic::License);
}

void TFormStampMain::HelpProductsClick(QObject *)
{
    m_help.ShowTopic(Topic::Products);
}

void TFormStampMain::HelpAboutClick(QObject *)
{
    if (!m_dialogs.About)
        return;
    m_dialogs.About->ShowProgram(m_session.Application.Title, m_state.VersionText);
    Prompt::exec(*m_dialogs.About);
}

} // namespace zentrope
