#include "app/dialogs/ImportColumnsDialog.h"

#include "app/controls/Named.h"
#include "app/controls/Scale.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "contacts/Envelopes.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {

struct Part {
    int ColumnMapping::*field;
    QComboBox *ImportColumnsDialog::*combo;
    const char *name;
    const char *labelName;
    const char *caption;
};

const Part kParts[] = {
    {&ColumnMapping::Name, &ImportColumnsDialog::ComboBoxName, "ComboBoxName", "LabelName",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Name:")},
    {&ColumnMapping::Company, &ImportColumnsDialog::ComboBoxCompany, "ComboBoxCompany", "LabelCompany",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Company:")},
    {&ColumnMapping::Street, &ImportColumnsDialog::ComboBoxStreet, "ComboBoxStreet", "LabelStreet",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Street:")},
    {&ColumnMapping::Extra, &ImportColumnsDialog::ComboBoxExtra, "ComboBoxExtra", "LabelExtra",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Extra line:")},
    {&ColumnMapping::City, &ImportColumnsDialog::ComboBoxCity, "ComboBoxCity", "LabelCity",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "C&ity:")},
    {&ColumnMapping::Region, &ImportColumnsDialog::ComboBoxRegion, "ComboBoxRegion", "LabelRegion",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Region:")},
    {&ColumnMapping::PostalCode, &ImportColumnsDialog::ComboBoxPostalCode, "ComboBoxPostalCode",
     "LabelPostalCode", QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Postal code:")},
    {&ColumnMapping::Country, &ImportColumnsDialog::ComboBoxCountry, "ComboBoxCountry", "LabelCountry",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Co&untry:")},
};

// A column as the lists name it: its header and the first value under it, so
// that headers like "Field 3" still say what they hold.
QString columnCaption(const CsvTable &table, int column)
{
    QString caption = table.Header.value(column).simplified();
    if (caption.isEmpty())
        caption = ImportColumnsDialog::tr("Column %1").arg(column + 1);
    const qsizetype rows = std::min<qsizetype>(table.Rows.size(), 50);
    for (qsizetype r = 0; r < rows; ++r) {
        QString sample = table.Rows[r].value(column).simplified();
        if (sample.isEmpty())
            continue;
        if (sample.size() > 40)
            sample = sample.left(39) + QChar(0x2026);
        return caption + QStringLiteral(" (") + sample + QLatin1Char(')');
    }
    return caption;
}

} // namespace

ImportColumnsDialog::ImportColumnsDialog(QWidget *parent, const QString &fileName, const CsvTable &table,
                                         const ColumnMapping &guess, const QString &homeCountry)
    : QDialog(parent), m_table(table), m_home(homeCountry)
{
    setObjectName(QStringLiteral("ImportColumnsDialog"));
    setWindowTitle(tr("Import Columns"));
    setModal(true);
    SetHelpContext(this, HelpTopic);
    setMinimumWidth(Scale::dp(480));

    LabelIntro = named(new QLabel(this), "LabelIntro");
    LabelIntro->setTextFormat(Qt::PlainText);
    LabelIntro->setWordWrap(true);
    LabelIntro->setText(tr("The columns of %1 are not known. Choose the column that holds each "
                           "part of the address; the choice is remembered for files with the "
                           "same columns.")
                            .arg(QFileInfo(fileName).fileName()));

    QStringList captions{tr("(none)")};
    for (int c = 0; c < table.Header.size(); ++c)
        captions << columnCaption(table, c);
    auto *form = new QFormLayout;
    for (const Part &p : kParts) {
        auto *combo = named(new QComboBox(this), p.name);
        for (int i = 0; i < captions.size(); ++i)
            combo->addItem(captions[i], i - 1);
        combo->setCurrentIndex(std::clamp(guess.*p.field + 1, 0, int(captions.size()) - 1));
        this->*p.combo = combo;
        auto *label = named(new QLabel(tr(p.caption), this), p.labelName);
        label->setBuddy(combo);
        form->addRow(label, combo);
        connect(combo, &QComboBox::currentIndexChanged, this, Guard([this] { UpdatePreview(); }));
    }

    MemoPreview = named(new QPlainTextEdit(this), "MemoPreview");
    MemoPreview->setReadOnly(true);
    MemoPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoPreview->setFixedHeight(MemoPreview->fontMetrics().lineSpacing() * 7);
    setHint(MemoPreview, tr("The first contact's envelope, as these columns make it"));
    auto *previewLabel = named(new QLabel(tr("First envelope:"), this), "LabelPreview");

    const auto button = [this](const char *name, const QString &caption) {
        return named(new QPushButton(caption, this), name);
    };
    OKBtn = button("OKBtn", tr("OK"));
    OKBtn->setDefault(true);
    CancelBtn = button("CancelBtn", tr("Cancel"));
    HelpBtn = button("HelpBtn", tr("Help"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(HelpBtn);

    auto *column = new QVBoxLayout(this);
    column->addWidget(LabelIntro);
    column->addLayout(form);
    column->addWidget(previewLabel);
    column->addWidget(MemoPreview);
    column->addLayout(buttons);
    for (QObject *o : children())
        SetHelpContext(o, HelpTopic);

    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Prompt::connectHelp(HelpBtn, HelpTopic);
    UpdatePreview();
}

QComboBox *ImportColumnsDialog::ComboFor(int ColumnMapping::*part) const
{
    for (const Part &p : kParts)
        if (p.field == part)
            return this->*p.combo;
    return nullptr;
}

ColumnMapping ImportColumnsDialog::Mapping() const
{
    ColumnMapping m;
    for (const Part &p : kParts)
        m.*p.field = (this->*p.combo)->currentData().toInt();
    return m;
}

void ImportColumnsDialog::SetColumn(int ColumnMapping::*part, int column)
{
    if (QComboBox *combo = ComboFor(part))
        combo->setCurrentIndex(combo->findData(column));
}

void ImportColumnsDialog::UpdatePreview()
{
    const ColumnMapping mapping = Mapping();
    OKBtn->setEnabled(!mapping.IsEmpty());
    CsvTable first;
    first.Header = m_table.Header;
    first.Separator = m_table.Separator;
    first.Rows = m_table.Rows.mid(0, 1);
    const ContactList contacts = CsvContacts(first, mapping);
    const QString text =
        contacts.Contacts.isEmpty()
            ? QString()
            : EnvelopeText(contacts.Contacts.first(), contacts.Contacts.first().DefaultAddress(), m_home);
    MemoPreview->setPlainText(text);
}

} // namespace zentrope
