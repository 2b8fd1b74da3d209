#include "app/dialogs/ImportAddressesDialog.h"

#include "app/controls/Named.h"
#include "app/controls/Scale.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "contacts/ContactImport.h"
#include "contacts/ContactPickerModel.h"
#include "contacts/Country.h"
#include "contacts/TextDecoding.h"
#include "shell/ProgramLanguage.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace zentrope {

ImportAddressesDialog::ImportAddressesDialog(QWidget *parent, const QString &fileName, ContactImport import,
                                             const QString &homeCountry)
    : QDialog(parent), m_model(new ContactPickerModel(this)), m_import(std::move(import))
{
    setObjectName(QStringLiteral("ImportAddressesDialog"));
    setWindowTitle(tr("Import Addresses - %1").arg(QFileInfo(fileName).fileName()));
    setModal(true);
    SetHelpContext(this, HelpTopic);
    m_model->setObjectName(QStringLiteral("ContactPickerModel"));
    m_model->SetHomeCountry(homeCountry);
    m_model->SetContacts(m_import.Contacts);
    CreateControls();
    resize(Scale::dp(QSize(720, 460)));

    const int home = ComboBoxHomeCountry->findData(homeCountry);
    ComboBoxHomeCountry->setCurrentIndex(home);
    ShowCurrentAddresses();
    UpdateStatus();
}

void ImportAddressesDialog::CreateControls()
{
    LabelSearch = named(new QLabel(tr("&Search:"), this), "LabelSearch");
    EditSearch = named(new QLineEdit(this), "EditSearch");
    EditSearch->setClearButtonEnabled(true);
    EditSearch->setPlaceholderText(tr("Name, organization or address"));
    setHint(EditSearch, tr("List only the contacts whose name, organization or address holds "
                           "these words"));
    LabelSearch->setBuddy(EditSearch);
    ButtonAll = named(new QPushButton(tr("&All"), this), "ButtonAll");
    setHint(ButtonAll, tr("Tick every contact listed"));
    ButtonNone = named(new QPushButton(tr("N&one"), this), "ButtonNone");
    setHint(ButtonNone, tr("Untick every contact listed"));

    ListContacts = named(new QTableView(this), "ListContacts");
    ListContacts->setModel(m_model);
    ListContacts->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListContacts->setSelectionMode(QAbstractItemView::SingleSelection);
    ListContacts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListContacts->setTabKeyNavigation(false);
    ListContacts->setShowGrid(false);
    ListContacts->setWordWrap(false);
    ListContacts->setAlternatingRowColors(true);
    ListContacts->verticalHeader()->hide();
    // Fixed row heights and column widths: measuring ten thousand rows to fit
    // them would cost more than reading the file.
    ListContacts->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ListContacts->verticalHeader()->setDefaultSectionSize(ListContacts->fontMetrics().height() +
                                                          Scale::dp(6));
    QHeaderView *columns = ListContacts->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    columns->resizeSection(ContactPickerModel::NameColumn, Scale::dp(200));
    columns->resizeSection(ContactPickerModel::OrganizationColumn, Scale::dp(160));
    setHint(ListContacts, tr("Tick the contacts to add as envelopes; greyed contacts have no "
                             "postal address"));

    LabelAddress = named(new QLabel(tr("A&ddress used:"), this), "LabelAddress");
    ComboBoxAddress = named(new QComboBox(this), "ComboBoxAddress");
    ComboBoxAddress->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBoxAddress->setMinimumContentsLength(30);
    setHint(ComboBoxAddress, tr("The address the highlighted contact's envelope is written to"));
    LabelAddress->setBuddy(ComboBoxAddress);
    LabelHomeCountry = named(new QLabel(tr("Sent &from:"), this), "LabelHomeCountry");
    ComboBoxHomeCountry = named(new QComboBox(this), "ComboBoxHomeCountry");
    // Countries in the language the program speaks.
    for (const auto &[code, name] :
         KnownCountries(ProgramLanguage::Choose(ProgramLanguage::UserPreferences())))
        ComboBoxHomeCountry->addItem(name, code);
    setHint(ComboBoxHomeCountry, tr("The country the envelopes are posted in; it is left off "
                                    "the addresses"));
    LabelHomeCountry->setBuddy(ComboBoxHomeCountry);

    LabelCharset = named(new QLabel(tr("&Character set:"), this), "LabelCharset");
    ComboBoxCharset = named(new QComboBox(this), "ComboBoxCharset");
    ComboBoxCharset->addItem(tr("Automatic (UTF-8, UTF-16 or Windows-1252)"), QString());
    for (const QString &name : KnownCharsets())
        ComboBoxCharset->addItem(name, name);
    ComboBoxCharset->setCurrentIndex(
        std::max(0, ComboBoxCharset->findData(QString::fromLatin1(m_import.Charset), Qt::UserRole,
                                              Qt::MatchFixedString)));
    setHint(ComboBoxCharset, tr("The character set the CSV file is written in, when its letters look wrong"));
    LabelCharset->setBuddy(ComboBoxCharset);
    const bool csv = m_import.Format == ContactFileFormat::Csv;
    LabelCharset->setVisible(csv);
    ComboBoxCharset->setVisible(csv);

    LabelRead = named(new QLabel(this), "LabelRead");
    LabelRead->setTextFormat(Qt::PlainText);
    LabelRead->setWordWrap(true);
    LabelStatus = named(new QLabel(this), "LabelStatus");
    LabelStatus->setTextFormat(Qt::PlainText);
    LabelStatus->setWordWrap(true);

    // OK is the default button: Return accepts the picker, except in the
    // search field, where it moves on to the list (eventFilter).
    const auto button = [this](const char *name, const QString &caption) {
        auto *b = named(new QPushButton(caption, this), name);
        b->setAutoDefault(false);
        return b;
    };
    OKBtn = button("OKBtn", tr("OK"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", tr("Cancel"));
    HelpBtn = button("HelpBtn", tr("Help"));
    ButtonAll->setAutoDefault(false);
    ButtonNone->setAutoDefault(false);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(LabelSearch);
    searchRow->addWidget(EditSearch, 1);
    searchRow->addWidget(ButtonAll);
    searchRow->addWidget(ButtonNone);
    auto *choices = new QGridLayout;
    choices->addWidget(LabelAddress, 0, 0);
    choices->addWidget(ComboBoxAddress, 0, 1);
    choices->addWidget(LabelHomeCountry, 1, 0);
    choices->addWidget(ComboBoxHomeCountry, 1, 1, Qt::AlignLeft);
    choices->addWidget(LabelCharset, 2, 0);
    choices->addWidget(ComboBoxCharset, 2, 1, Qt::AlignLeft);
    choices->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(LabelStatus, 1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);
    auto *column = new QVBoxLayout(this);
    column->addLayout(searchRow);
    column->addWidget(ListContacts, 1);
    column->addLayout(choices);
    column->addWidget(LabelRead);
    column->addLayout(buttons);
    setTabOrder(EditSearch, ButtonAll);
    setTabOrder(ButtonAll, ButtonNone);
    setTabOrder(ButtonNone, ListContacts);
    setTabOrder(ListContacts, ComboBoxAddress);
    setTabOrder(ComboBoxAddress, ComboBoxHomeCountry);
    setTabOrder(ComboBoxHomeCountry, ComboBoxCharset);
    setTabOrder(ComboBoxCharset, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, HelpBtn);
    for (QObject *o : children())
        SetHelpContext(o, HelpTopic);

    connect(EditSearch, &QLineEdit::textChanged, this, Guard([this] {
                // The highlighted contact stays highlighted while the search lists it.
                const int current = CurrentContact();
                m_model->SetFilter(EditSearch->text());
                SetCurrentContact(current);
                ShowCurrentAddresses();
                UpdateStatus();
            }));
    EditSearch->installEventFilter(this);
    connect(ButtonAll, &QPushButton::clicked, this, Guard([this] { m_model->TickListed(true); }));
    connect(ButtonNone, &QPushButton::clicked, this, Guard([this] { m_model->TickListed(false); }));
    connect(ListContacts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            Guard([this] { ShowCurrentAddresses(); }));
    connect(ComboBoxAddress, &QComboBox::activated, this,
            [this](int i) { Guarded([&] { AddressChosen(i); }); });
    connect(ComboBoxHomeCountry, &QComboBox::currentIndexChanged, this,
            Guard([this] { HomeCountryChosen(); }));
    connect(ComboBoxCharset, &QComboBox::activated, this, Guard([this] { CharsetChosen(); }));
    connect(m_model, &ContactPickerModel::ChoicesChanged, this, Guard([this] { UpdateStatus(); }));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Prompt::connectHelp(HelpBtn, HelpTopic);
}

QString ImportAddressesDialog::ImportedText() const
{
    return m_model->ImportedText();
}

int ImportAddressesDialog::CurrentContact() const
{
    const QModelIndex current = ListContacts->selectionModel()->currentIndex();
    return current.isValid() ? m_model->ContactAt(current.row()) : -1;
}

void ImportAddressesDialog::SetCurrentContact(int contact)
{
    const int row = m_model->RowOf(contact);
    if (row < 0)
        return;
    ListContacts->selectionModel()->setCurrentIndex(m_model->index(row, ContactPickerModel::NameColumn),
                                                    QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    ListContacts->scrollTo(m_model->index(row, ContactPickerModel::NameColumn));
}

void ImportAddressesDialog::ShowCurrentAddresses()
{
    const int contact = CurrentContact();
    ComboBoxAddress->clear();
    if (contact < 0) {
        ComboBoxAddress->setEnabled(false);
        return;
    }
    const Contact &c = m_model->Contacts()[contact];
    for (int i = 0; i < c.Addresses.size(); ++i)
        ComboBoxAddress->addItem(m_model->AddressCaption(contact, i));
    ComboBoxAddress->setCurrentIndex(m_model->ChosenAddress(contact));
    ComboBoxAddress->setEnabled(c.Addresses.size() > 1);
}

void ImportAddressesDialog::AddressChosen(int address)
{
    const int contact = CurrentContact();
    if (contact < 0)
        return;
    m_model->SetChosenAddress(contact, address);
    // Choosing where an envelope goes is choosing to write it.
    m_model->SetTicked(contact, true);
}

void ImportAddressesDialog::HomeCountryChosen()
{
    const QString code = ComboBoxHomeCountry->currentData().toString();
    if (code.isEmpty())
        return;
    m_model->SetHomeCountry(code);
    ShowCurrentAddresses();
}

bool ImportAddressesDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Return in the search field goes on to the list instead of importing
    // every contact listed.
    if (watched == EditSearch && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ListContacts->setFocus();
            if (CurrentContact() < 0 && m_model->rowCount() > 0)
                SetCurrentContact(m_model->ContactAt(0));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ImportAddressesDialog::CharsetChosen()
{
    const QByteArray charset = ComboBoxCharset->currentData().toString().toLatin1();
    if (charset == m_import.Charset)
        return;
    ChangeCharset(m_import, charset);
    m_model->SetContacts(m_import.Contacts);
    ShowCurrentAddresses();
    UpdateStatus();
}

void ImportAddressesDialog::UpdateStatus()
{
    const ContactPickerModel &m = *m_model;
    QStringList parts;
    if (!m.Filter().trimmed().isEmpty())
        parts << tr("%1 of %2 contacts listed.").arg(m.rowCount()).arg(m.Contacts().size());
    if (m.TickableCount() == 0)
        parts << tr("No contact has a postal address.");
    else if (m.TickedCount() == 1)
        parts << tr("1 envelope to add.");
    else
        parts << tr("%1 envelopes to add.").arg(m.TickedCount());
    LabelStatus->setText(parts.join(QLatin1Char(' ')));
    LabelRead->setText(ReadReport(int(m.Contacts().size()), m_import.Counts));
    OKBtn->setEnabled(m.TickedCount() > 0);
}

} // namespace zentrope
