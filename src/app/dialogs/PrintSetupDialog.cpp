#include "app/dialogs/PrintSetupDialog.h"

#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "core/Error.h"
#include "print/PrinterDevice.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {

QString printerState(const QPrinterInfo &info)
{
    QString state;
    switch (info.state()) {
    case QPrinter::Idle:
        state = PrintSetupDialog::tr("Ready");
        break;
    case QPrinter::Active:
        state = PrintSetupDialog::tr("Printing");
        break;
    case QPrinter::Aborted:
        state = PrintSetupDialog::tr("Stopped");
        break;
    default:
        state = PrintSetupDialog::tr("Error");
        break;
    }
    if (!info.location().isEmpty())
        state += QStringLiteral(" - ") + info.location();
    return state;
}

} // namespace

PrintSetupDialog::PrintSetupDialog(PrinterDevice &printer, QWidget *parent)
    : QDialog(parent), m_printer(printer)
{
    setObjectName(QStringLiteral("PrinterSetupDialog"));
    setWindowTitle(tr("Print Setup"));
    SetHelpContext(this, HelpTopic);

    auto *printerBox = new QGroupBox(tr("Printer"), this);
    ComboBoxPrinter = new QComboBox(printerBox);
    ComboBoxPrinter->setObjectName(QStringLiteral("ComboBoxPrinter"));
    LabelPrinterStatus = new QLabel(printerBox);
    LabelPrinterStatus->setObjectName(QStringLiteral("LabelPrinterStatus"));
    auto *printerForm = new QFormLayout(printerBox);
    printerForm->addRow(tr("&Name:"), ComboBoxPrinter);
    printerForm->addRow(tr("Status:"), LabelPrinterStatus);

    auto *paperBox = new QGroupBox(tr("Paper"), this);
    ComboBoxPaperSize = new QComboBox(paperBox);
    ComboBoxPaperSize->setObjectName(QStringLiteral("ComboBoxPaperSize"));
    ComboBoxDuplex = new QComboBox(paperBox);
    ComboBoxDuplex->setObjectName(QStringLiteral("ComboBoxDuplex"));
    ComboBoxDuplex->addItem(tr("Off"), int(QPrinter::DuplexNone));
    ComboBoxDuplex->addItem(tr("Long edge"), int(QPrinter::DuplexLongSide));
    ComboBoxDuplex->addItem(tr("Short edge"), int(QPrinter::DuplexShortSide));
    ComboBoxColor = new QComboBox(paperBox);
    ComboBoxColor->setObjectName(QStringLiteral("ComboBoxColor"));
    ComboBoxColor->addItem(tr("Colour"), int(QPrinter::Color));
    ComboBoxColor->addItem(tr("Monochrome"), int(QPrinter::GrayScale));
    auto *paperForm = new QFormLayout(paperBox);
    paperForm->addRow(tr("Si&ze:"), ComboBoxPaperSize);
    paperForm->addRow(tr("&Two-sided:"), ComboBoxDuplex);
    paperForm->addRow(tr("Co&lour:"), ComboBoxColor);

    auto *orientationBox = new QGroupBox(tr("Orientation"), this);
    RadioButtonPortrait = new QRadioButton(tr("P&ortrait"), orientationBox);
    RadioButtonPortrait->setObjectName(QStringLiteral("RadioButtonPortrait"));
    RadioButtonLandscape = new QRadioButton(tr("L&andscape"), orientationBox);
    RadioButtonLandscape->setObjectName(QStringLiteral("RadioButtonLandscape"));
    auto *orientationLayout = new QVBoxLayout(orientationBox);
    orientationLayout->addWidget(RadioButtonPortrait);
    orientationLayout->addWidget(RadioButtonLandscape);

    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    OkBtn = buttons->addButton(QDialogButtonBox::Ok);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    CancelBtn = buttons->addButton(QDialogButtonBox::Cancel);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    HelpBtn = buttons->addButton(QDialogButtonBox::Help);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    EnvelopeFeedBtn = buttons->addButton(tr("Envelope &Feed..."), QDialogButtonBox::ActionRole);
    EnvelopeFeedBtn->setObjectName(QStringLiteral("EnvelopeFeedBtn"));
    connect(EnvelopeFeedBtn, &QPushButton::clicked, this, [this] {
        emit envelopeFeedRequested(ComboBoxPrinter->currentText(), RadioButtonLandscape->isChecked());
    });
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Prompt::connectHelp(HelpBtn, HelpTopic);

    auto *left = new QVBoxLayout;
    left->addWidget(printerBox);
    auto *row = new QHBoxLayout;
    row->addWidget(paperBox, 1);
    row->addWidget(orientationBox);
    left->addLayout(row);
    auto *top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addWidget(buttons);

    // Start from the current printer and its present settings.
    PrinterDevice &device = m_printer;
    ComboBoxPrinter->addItems(device.Printers());
    const QString current = device.PrinterName();
    ComboBoxPrinter->setCurrentIndex(
        ComboBoxPrinter->findText(current, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    const QPrinter &q = device.QtPrinter();
    FillPrinterOptions(current, q.pageLayout().pageSize());
    (q.pageLayout().orientation() == QPageLayout::Landscape ? RadioButtonLandscape : RadioButtonPortrait)
        ->setChecked(true);
    ComboBoxDuplex->setCurrentIndex(std::max(0, ComboBoxDuplex->findData(int(q.duplex()))));
    ComboBoxColor->setCurrentIndex(std::max(0, ComboBoxColor->findData(int(q.colorMode()))));

    connect(ComboBoxPrinter, &QComboBox::currentIndexChanged, this, Guard([this] {
                const QPageSize keep = ComboBoxPaperSize->currentIndex() >= 0
                                           ? m_sizes.value(ComboBoxPaperSize->currentIndex())
                                           : QPageSize();
                FillPrinterOptions(ComboBoxPrinter->currentText(), keep);
            }));
}

void PrintSetupDialog::FillPrinterOptions(const QString &printer, const QPageSize &wanted)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    LabelPrinterStatus->setText(printerState(info));

    m_sizes = info.supportedPageSizes();
    int select = -1;
    for (int i = 0; i < m_sizes.size(); ++i)
        if (wanted.isValid() && m_sizes[i].isEquivalentTo(wanted))
            select = i;
    // A size the printer does not list (a custom one) stays offered, so that
    // confirming the dialog does not silently change it.
    if (select < 0 && wanted.isValid() && (info.supportsCustomPageSizes() || m_sizes.isEmpty())) {
        m_sizes.prepend(wanted);
        select = 0;
    }
    if (select < 0) {
        const QPageSize def = info.defaultPageSize();
        for (int i = 0; i < m_sizes.size(); ++i)
            if (m_sizes[i].isEquivalentTo(def))
                select = i;
    }
    ComboBoxPaperSize->clear();
    for (const QPageSize &s : m_sizes)
        ComboBoxPaperSize->addItem(s.name());
    ComboBoxPaperSize->setCurrentIndex(select < 0 && !m_sizes.isEmpty() ? 0 : select);

    const auto duplex = info.supportedDuplexModes();
    ComboBoxDuplex->setEnabled(duplex.contains(QPrinter::DuplexLongSide) ||
                               duplex.contains(QPrinter::DuplexShortSide));
    if (!ComboBoxDuplex->isEnabled())
        ComboBoxDuplex->setCurrentIndex(0);
    ComboBoxColor->setEnabled(info.supportedColorModes().contains(QPrinter::Color));
}

bool PrintSetupDialog::SelectPrinter(const QString &name)
{
    const int i = ComboBoxPrinter->findText(name, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (i >= 0)
        ComboBoxPrinter->setCurrentIndex(i);
    return i >= 0;
}

bool PrintSetupDialog::SelectPaper(QPageSize::PageSizeId id)
{
    for (int i = 0; i < m_sizes.size(); ++i) {
        if (m_sizes[i].id() == id) {
            ComboBoxPaperSize->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void PrintSetupDialog::Apply()
{
    PrinterDevice &device = m_printer;
    const int index = int(device.Printers().indexOf(ComboBoxPrinter->currentText()));
    if (index < 0)
        throw ZentropeError(tr("Printer selected is not valid"));
    device.SetPrinterIndex(index);
    QPrinter &q = device.QtPrinter();
    const int paper = ComboBoxPaperSize->currentIndex();
    if (paper >= 0 && paper < m_sizes.size())
        q.setPageSize(m_sizes[paper]);
    q.setPageOrientation(RadioButtonLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (ComboBoxDuplex->isEnabled())
        q.setDuplex(QPrinter::DuplexMode(ComboBoxDuplex->currentData().toInt()));
    if (ComboBoxColor->isEnabled())
        q.setColorMode(QPrinter::ColorMode(ComboBoxColor->currentData().toInt()));
}

} // namespace zentrope
