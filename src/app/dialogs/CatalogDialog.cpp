#include "app/dialogs/CatalogDialog.h"

#include "app/dialogs/NameDialog.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"

#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zentrope {

CatalogDialog::CatalogDialog(QWidget *parent, int helpTopic) : QDialog(parent), FHelpTopic(helpTopic)
{
    setModal(true);
}

CatalogDialog::~CatalogDialog()
{
    // The list may report its selection while it is torn down, when the
    // derived dialog that takes the report is gone.
    if (FList)
        disconnect(FList, nullptr, this, nullptr);
}

void CatalogDialog::SetList(QListWidget *list)
{
    FList = list;
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    FList->installEventFilter(this);
    FList->viewport()->installEventFilter(this);
    connect(FList, &QListWidget::currentRowChanged, this, [this](int row) { SetCatalogCurrent(row); });
}

int CatalogDialog::SelectedIndex() const
{
    const int row = FList->currentRow();
    return row >= 0 && row < CatalogCount() ? row : -1;
}

void CatalogDialog::FillList(const QStringList &names, int selected)
{
    FList->clear();
    FList->addItems(names);
    FList->setCurrentRow(selected >= 0 && selected < CatalogCount() ? selected : -1);
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
    Prompt::connectHelp(button, FHelpTopic);
}

bool CatalogDialog::eventFilter(QObject *watched, QEvent *e)
{
    if (FList && watched == FList && e->type() == QEvent::KeyRelease)
        Guarded([this] { ListKeyUp(); });
    else if (FList && watched == FList->viewport() && e->type() == QEvent::MouseButtonRelease)
        Guarded([this] { ListMouseUp(); });
    return QDialog::eventFilter(watched, e);
}

} // namespace zentrope
