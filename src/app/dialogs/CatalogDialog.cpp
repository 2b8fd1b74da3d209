#include "app/dialogs/CatalogDialog.h"

#include "app/dialogs/NameDialog.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zentrope {

CatalogDialog::CatalogDialog(QWidget *parent, int helpTopic) : QDialog(parent), m_helpTopic(helpTopic)
{
    setModal(true);
}

CatalogDialog::~CatalogDialog()
{
    // The list may report its selection while it is torn down, when the
    // derived dialog that takes the report is gone.
    if (m_list)
        disconnect(m_list, nullptr, this, nullptr);
}

void CatalogDialog::SetList(QListWidget *list)
{
    m_list = list;
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { SetCatalogCurrent(row); });
}

int CatalogDialog::SelectedIndex() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < CatalogCount() ? row : -1;
}

void CatalogDialog::FillList(const QStringList &names, int selected)
{
    m_list->clear();
    m_list->addItems(names);
    m_list->setCurrentRow(selected >= 0 && selected < CatalogCount() ? selected : -1);
}

bool CatalogDialog::AskName(NameDialog &dialog, const QString &caption, const QString &text, QString &name)
{
    dialog.Edit->setText(text);
    dialog.setWindowTitle(caption);
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return false;
    name = dialog.Edit->text();
    return true;
}

bool CatalogDialog::ConfirmDelete(const QString &question, int helpTopic)
{
    return Prompt::message(this, Prompt::Kind::Confirmation, question,
                           Prompt::Yes | Prompt::No | Prompt::Help, helpTopic) == Prompt::Yes;
}

void CatalogDialog::ConnectHelp(QPushButton *button)
{
    Prompt::connectHelp(button, m_helpTopic);
}

bool CatalogDialog::eventFilter(QObject *watched, QEvent *e)
{
    if (m_list && watched == m_list && e->type() == QEvent::KeyRelease)
        Guarded([this] { ListKeyUp(); });
    else if (m_list && watched == m_list->viewport() && e->type() == QEvent::MouseButtonRelease)
        Guarded([this] { ListMouseUp(); });
    return QDialog::eventFilter(watched, e);
}

} // namespace zentrope
