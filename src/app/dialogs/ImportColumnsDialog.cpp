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
#include <QToolButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {

struct Part {
    QList<int> ColumnMapping::*field;
    QComboBox *ImportColumnsDialog::*combo;
    const char *name;
    const char *labelName;
    const char *caption;
    const char *moreHint;
};

const Part kParts[] = {
    {&ColumnMapping::Name, &ImportColumnsDialog::ComboBoxName, "ComboBoxName", "LabelName",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Name:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the name")},
    {&ColumnMapping::Company, &ImportColumnsDialog::ComboBoxCompany, "ComboBoxCompany", "LabelCompany",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Company:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the company")},
    {&ColumnMapping::Street, &ImportColumnsDialog::ComboBoxStreet, "ComboBoxStreet", "LabelStreet",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Street:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the street")},
    {&ColumnMapping::Extra, &ImportColumnsDialog::ComboBoxExtra, "ComboBoxExtra", "LabelExtra",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Extra line:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the extra line")},
    {&ColumnMapping::City, &ImportColumnsDialog::ComboBoxCity, "ComboBoxCity", "LabelCity",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "C&ity:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the city")},
    {&ColumnMapping::Region, &ImportColumnsDialog::ComboBoxRegion, "ComboBoxRegion", "LabelRegion",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Region:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the region")},
    {&ColumnMapping::PostalCode, &ImportColumnsDialog::ComboBoxPostalCode, "ComboBoxPostalCode",
     "LabelPostalCode", QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "&Postal code:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the postal code")},
    {&ColumnMapping::Country, &ImportColumnsDialog::ComboBoxCountry, "ComboBoxCountry", "LabelCountry",
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Co&untry:"),
     QT_TRANSLATE_NOOP("zentrope::ImportColumnsDialog", "Add a column to the country")},
};
static_assert(std::size(kParts) == std::size(ColumnMappingParts));

// A column as the lists name it: its header and the first value under it, so
// that headers like "Field 3" still say what they hold.
QString columnCaption(const CsvTable &table, int column)
{
    QString caption = table.Header.value(column).simplified();
    if (caption.isEmpty())
        caption = ImportColumnsDialog::tr("Column %1").arg(column + 1);
    const qsizetype rows = std::min<qsizetype>(table.RowCount(), 50);
    for (qsizetype r = 0; r < rows; ++r) {
        QString sample = table.Cell(r, column).toString().simplified();
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
                           "part of the address; \"+\" adds another column to a part, such as the "
                           "last name after the first. The choice is remembered for files with the "
                           "same columns.")
                            .arg(QFileInfo(fileName).fileName()));

    QStringList captions{tr("(none)")};
    for (int c = 0; c < table.Header.size(); ++c)
        captions << columnCaption(table, c);
    auto *form = new QFormLayout;
    for (size_t p = 0; p < std::size(kParts); ++p) {
        const Part &part = kParts[p];
        PartRow &row = m_rows[p];
        auto *line = new QHBoxLayout;
        for (int n = 0; n < MaxColumns; ++n) {
            const QByteArray name = n == 0 ? QByteArray(part.name) : part.name + QByteArray::number(n + 1);
            auto *combo = named(new QComboBox(this), name.constData());
            for (int i = 0; i < captions.size(); ++i)
                combo->addItem(captions[i], i - 1);
            const QList<int> &guessed = guess.*part.field;
            combo->setCurrentIndex(
                n < guessed.size() ? std::clamp(guessed[n] + 1, 0, int(captions.size()) - 1) : 0);
            combo->setVisible(n == 0 || n < guessed.size());
            if (n > 0)
                combo->setAccessibleName(tr(part.caption).remove(QLatin1Char('&')).remove(QLatin1Char(':')) +
                                         QLatin1Char(' ') + QString::number(n + 1));
            line->addWidget(combo, 1);
            row.Combos[n] = combo;
            connect(combo, &QComboBox::currentIndexChanged, this, Guard([this] { UpdatePreview(); }));
        }
        row.More = named(new QToolButton(this), ("ButtonMore" + QByteArray(part.name + 8)).constData());
        row.More->setText(QStringLiteral("+"));
        row.More->setAccessibleName(tr(part.moreHint));
        setHint(row.More, tr(part.moreHint));
        row.More->setEnabled((guess.*part.field).size() < MaxColumns);
        line->addWidget(row.More);
        connect(row.More, &QToolButton::clicked, this, Guard([this, &row] { ShowMore(row); }));
        this->*part.combo = row.Combos[0];
        auto *label = named(new QLabel(tr(part.caption), this), part.labelName);
        label->setBuddy(row.Combos[0]);
        form->addRow(label, line);
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

const ImportColumnsDialog::PartRow *ImportColumnsDialog::RowFor(QList<int> ColumnMapping::*part) const
{
    for (size_t p = 0; p < std::size(kParts); ++p)
        if (kParts[p].field == part)
            return &m_rows[p];
    return nullptr;
}

QComboBox *ImportColumnsDialog::ComboFor(QList<int> ColumnMapping::*part, int n) const
{
    const PartRow *row = RowFor(part);
    return row && n >= 0 && n < MaxColumns ? row->Combos[n] : nullptr;
}

QToolButton *ImportColumnsDialog::MoreButtonFor(QList<int> ColumnMapping::*part) const
{
    const PartRow *row = RowFor(part);
    return row ? row->More : nullptr;
}

void ImportColumnsDialog::ShowMore(PartRow &row)
{
    for (int n = 1; n < MaxColumns; ++n) {
        if (!row.Combos[n]->isVisibleTo(this)) {
            row.Combos[n]->setVisible(true);
            row.Combos[n]->setFocus();
            row.More->setEnabled(n + 1 < MaxColumns);
            return;
        }
    }
}

ColumnMapping ImportColumnsDialog::Mapping() const
{
    ColumnMapping m;
    for (size_t p = 0; p < std::size(kParts); ++p)
        for (QComboBox *combo : m_rows[p].Combos)
            if (combo->isVisibleTo(this) && combo->currentData().toInt() >= 0)
                (m.*kParts[p].field).append(combo->currentData().toInt());
    return m;
}

void ImportColumnsDialog::SetColumn(QList<int> ColumnMapping::*part, int column)
{
    SetColumns(part, column < 0 ? QList<int>() : QList<int>{column});
}

void ImportColumnsDialog::SetColumns(QList<int> ColumnMapping::*part, const QList<int> &columns)
{
    const PartRow *row = RowFor(part);
    if (!row)
        return;
    for (int n = 0; n < MaxColumns; ++n) {
        QComboBox *combo = row->Combos[n];
        combo->setCurrentIndex(std::max(0, combo->findData(n < columns.size() ? columns[n] : -1)));
        combo->setVisible(n == 0 || n < columns.size());
    }
    row->More->setEnabled(columns.size() < MaxColumns);
    UpdatePreview();
}

void ImportColumnsDialog::UpdatePreview()
{
    const ColumnMapping mapping = Mapping();
    OKBtn->setEnabled(!mapping.IsEmpty());
    const ContactList contacts = CsvContacts(m_table, mapping, 1);
    const QString text =
        contacts.Contacts.isEmpty()
            ? QString()
            : EnvelopeText(contacts.Contacts.first(), contacts.Contacts.first().DefaultAddress(), m_home);
    MemoPreview->setPlainText(text);
}

} // namespace zentrope
