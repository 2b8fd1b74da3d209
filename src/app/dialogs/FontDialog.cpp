#include "app/dialogs/FontDialog.h"

#include "app/controls/Named.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {

const struct {
    const char *name;
    int32_t color;
} kColors[] = {
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Maroon"), 0x000080},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Navy"), 0x800000},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Teal"), 0x808000},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Red"), 0x0000FF},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Yellow"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Blue"), 0xFF0000},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "Aqua"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("zentrope::AddressFontDialog", "White"), 0xFFFFFF},
};

QColor toQColor(int32_t c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

QIcon swatch(int32_t c)
{
    QPixmap pm(16, 16);
    pm.fill(toQColor(c));
    QPainter p(&pm);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pm);
}

} // namespace

AddressFontDialog::AddressFontDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(tr("Font"));
    setModal(true);

    // Qt's font chooser, embedded without its own buttons.
    FontChooser = new QFontDialog(this);
    FontChooser->setObjectName(QStringLiteral("FontChooser"));
    FontChooser->setWindowFlags(Qt::Widget);
    FontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog |
                            QFontDialog::ScalableFonts);
    FontChooser->setSizeGripEnabled(false);
    // Return in one of its boxes would close the embedded chooser alone.
    connect(FontChooser, &QDialog::finished, this, [this](int result) {
        FontChooser->setVisible(true);
        done(result);
    });

    ReplaceFamilyList();

    // The chooser's boxes and lists say what they choose: each shares its
    // label's name with the box or list beside it.
    nameFromLabels(FontChooser);
    for (QLineEdit *edit : FontChooser->findChildren<QLineEdit *>())
        if (QWidget *list = edit->focusProxy())
            edit->setAccessibleName(list->accessibleName());
    const QList<QLineEdit *> edits = FontChooser->findChildren<QLineEdit *>();
    const QList<QListView *> lists = FontChooser->findChildren<QListView *>();
    for (qsizetype i = 0; i < lists.size() && i < edits.size(); ++i)
        if (lists[i]->accessibleName().isEmpty())
            lists[i]->setAccessibleName(edits[i]->accessibleName());

    ComboBoxColor = new QComboBox(this);
    ComboBoxColor->setObjectName(QStringLiteral("ComboBoxColor"));
    for (const auto &c : kColors)
        ComboBoxColor->addItem(swatch(c.color), tr(c.name), c.color);
    auto *colorLabel = new QLabel(tr("&Colour:"), this);
    colorLabel->setBuddy(ComboBoxColor);

    auto *box = new QDialogButtonBox(this);
    OKBtn = box->addButton(QDialogButtonBox::Ok);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    CancelBtn = box->addButton(QDialogButtonBox::Cancel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(ComboBoxColor);
    colorRow->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FontChooser, 1);
    layout->addLayout(colorRow);
    layout->addWidget(box);
}

void AddressFontDialog::ReplaceFamilyList()
{
    // Qt's list names a family once per foundry ("Nimbus Sans [urw]", "Nimbus
    // Sans [UKWN]"); this one names each family once and hands the choice on.
    auto *grid = qobject_cast<QGridLayout *>(FontChooser->layout());
    const QList<QListView *> lists = FontChooser->findChildren<QListView *>();
    const QList<QLineEdit *> edits = FontChooser->findChildren<QLineEdit *>();
    if (!grid || lists.isEmpty() || edits.isEmpty())
        return;
    QListView *theirs = lists.first();
    QLineEdit *theirEdit = edits.first();
    ListFamilies = new QListWidget(FontChooser);
    ListFamilies->setObjectName(QStringLiteral("ListFamilies"));
    QStringList families;
    for (const QString &f : QFontDatabase::families()) {
        if (QFontDatabase::isPrivateFamily(f) || !QFontDatabase::isSmoothlyScalable(f))
            continue;
        const QString family = f.section(QStringLiteral(" ["), 0, 0);
        if (!families.contains(family))
            families << family;
    }
    ListFamilies->addItems(families);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(theirEdit), &row, &column, &rowSpan, &columnSpan);
    int listRow = 0, listRowSpan = 0;
    grid->getItemPosition(grid->indexOf(theirs), &listRow, &column, &listRowSpan, &columnSpan);
    theirs->hide();
    theirEdit->hide();
    grid->addWidget(ListFamilies, row, column, listRow + listRowSpan - row, columnSpan);
    for (QLabel *label : FontChooser->findChildren<QLabel *>())
        if (label->buddy() == theirs || label->buddy() == theirEdit)
            label->setBuddy(ListFamilies);
    connect(ListFamilies, &QListWidget::currentTextChanged, this, [this](const QString &family) {
        if (family.isEmpty() || family == FontChooser->currentFont().family())
            return;
        QFont f = FontChooser->currentFont();
        f.setFamilies({family});
        FontChooser->setCurrentFont(f);
    });
}

void AddressFontDialog::setCurrentFont(const QFont &font)
{
    QFont shown = font;
    // A stored name the system substitutes ("Arial") shows as the face it gets.
    if (ListFamilies && ListFamilies->findItems(font.family(), Qt::MatchFixedString).isEmpty())
        shown.setFamilies({QFontInfo(font).family()});
    FontChooser->setCurrentFont(shown);
    if (ListFamilies) {
        const auto found = ListFamilies->findItems(shown.family(), Qt::MatchFixedString);
        if (!found.isEmpty()) {
            ListFamilies->setCurrentItem(found.first());
            ListFamilies->scrollToItem(found.first(), QAbstractItemView::PositionAtCenter);
        }
    }
}

QFont AddressFontDialog::currentFont() const
{
    return FontChooser->currentFont();
}

void AddressFontDialog::setColor(int32_t color)
{
    int i = ComboBoxColor->findData(color);
    if (i < 0) {
        // A colour outside the basic ones stays choosable as it is.
        const int custom = ComboBoxColor->findText(tr("Custom"));
        if (custom >= 0)
            ComboBoxColor->removeItem(custom);
        ComboBoxColor->addItem(swatch(color), tr("Custom"), color);
        i = ComboBoxColor->count() - 1;
    }
    ComboBoxColor->setCurrentIndex(i);
}

int32_t AddressFontDialog::color() const
{
    return ComboBoxColor->currentData().toInt();
}

} // namespace zentrope
