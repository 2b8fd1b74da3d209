#include "print/PrinterDevice.h"

#include "core/Error.h"
#include "print/QueueMedia.h"

#include <QCoreApplication>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace zentrope {

namespace {

constexpr int kTitleLength = 31;

std::int16_t clamp16(long long v)
{
    return static_cast<std::int16_t>(std::clamp<long long>(v, INT16_MIN, INT16_MAX));
}

QString invalidPrinter()
{
    return QCoreApplication::translate("zentrope::PrinterDevice", "Printer selected is not valid");
}

// Which device-mode fields Qt carries to CUPS for a printer. Orientation,
// paper and copies always travel with a job; the custom paper dimensions only
// matter for a custom size; colour and duplex only where the printer offers a
// choice. Qt passes no paper source, quality or scaling, so those are never
// declared.
std::uint32_t declaredFields(const QPrinterInfo &info, const QPageSize &size)
{
    std::uint32_t f = DeviceMode::DM_ORIENTATION | DeviceMode::DM_PAPERSIZE | DeviceMode::DM_COPIES;
    if (size.id() == QPageSize::Custom || size.windowsId() <= 0)
        f |= DeviceMode::DM_PAPERLENGTH | DeviceMode::DM_PAPERWIDTH;
    const auto colors = info.supportedColorModes();
    if (colors.contains(QPrinter::Color))
        f |= DeviceMode::DM_COLOR;
    const auto duplex = info.supportedDuplexModes();
    if (duplex.contains(QPrinter::DuplexLongSide) || duplex.contains(QPrinter::DuplexShortSide))
        f |= DeviceMode::DM_DUPLEX;
    return f;
}

} // namespace

struct PrinterDevice::Impl {
    // The page surface as a job's pages have it.
    struct Surface {
        int dpiX, dpiY;
        int widthMM, heightMM;
        int width, height;
        QPageLayout::Orientation orientation;
        QSize sheet;
        QRect printable;
    };

    // Built at its first use: see SetUpWhenBuilt.
    std::unique_ptr<QPrinter> built;
    std::function<void()> setUp;
    std::unique_ptr<QPainter> painter;
    QString title;
    // Read once when a job begins and answered until it ends: asking the
    // printer again costs CUPS requests on every page, and nothing can change
    // the printer or its settings while the job runs.
    std::optional<Surface> job;

    QPrinter &qt()
    {
        if (!built) {
            built = std::make_unique<QPrinter>(QPrinter::HighResolution);
            // (0, 0) is the corner of the printable area, as on a printer canvas.
            built->setFullPage(false);
            if (const std::function<void()> f = std::exchange(setUp, nullptr))
                f();
        }
        return *built;
    }

    void abandon()
    {
        if (painter && painter->isActive()) {
            built->abort();
            painter->end();
        }
        job.reset();
        painter.reset();
        built.reset();
        setUp = nullptr;
    }

    // Keeps the printer pointing at an installed queue: the list can change
    // under a running program (or be empty when the printer was built).
    void ensureValid()
    {
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (names.isEmpty())
            throw ZentropeError(invalidPrinter());
        QPrinter &printer = qt();
        if (!names.contains(printer.printerName())) {
            if (painter)
                throw ZentropeError(invalidPrinter());
            const QString def = QPrinterInfo::defaultPrinterName();
            printer.setPrinterName(names.contains(def) ? def : names.first());
            printer.setFullPage(false);
        }
    }

    Surface surface()
    {
        // The sheet and its printable area as the paint engine places the
        // canvas on it.
        QPrinter &printer = qt();
        const QPageLayout layout = printer.pageLayout();
        const int resolution = printer.resolution();
        return Surface{printer.logicalDpiX(),
                       printer.logicalDpiY(),
                       printer.widthMM(),
                       printer.heightMM(),
                       printer.width(),
                       printer.height(),
                       layout.orientation(),
                       layout.fullRectPixels(resolution).size(),
                       layout.paintRectPixels(resolution)};
    }

    void takeSurface() { job = surface(); }
};

PrinterDevice::PrinterDevice() : d(std::make_unique<Impl>())
{
}

PrinterDevice::~PrinterDevice()
{
    d->abandon();
}

void PrinterDevice::Reset()
{
    d->abandon();
}

void PrinterDevice::SetUpWhenBuilt(std::function<void()> setUp)
{
    if (d->built)
        setUp();
    else
        d->setUp = std::move(setUp);
}

void PrinterDevice::Prepare()
{
    d->qt();
}

QStringList PrinterDevice::Printers() const
{
    return QPrinterInfo::availablePrinterNames();
}

bool PrinterDevice::PrintersInstalled()
{
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString PrinterDevice::DefaultPrinterName()
{
    return QPrinterInfo::defaultPrinterName();
}

int PrinterDevice::PrinterIndex() const
{
    if (!PrintersInstalled())
        return -1;
    d->ensureValid();
    return int(Printers().indexOf(d->qt().printerName()));
}

void PrinterDevice::SetPrinterIndex(int index)
{
    const QStringList names = Printers();
    if (index < 0 || index >= names.size())
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PrinterDevice", "Printer index out of range"));
    if (d->painter)
        throw ZentropeError(QCoreApplication::translate("zentrope::PrinterDevice",
                                                        "Cannot change the printer while printing"));
    if (d->qt().printerName() != names[index]) {
        d->qt().setPrinterName(names[index]);
        d->qt().setFullPage(false);
    }
}

QString PrinterDevice::PrinterName() const
{
    d->ensureValid();
    return d->qt().printerName();
}

DeviceMode PrinterDevice::GetDeviceMode() const
{
    d->ensureValid();
    const QPrinter &p = d->qt();
    const QPageLayout layout = p.pageLayout();
    const QPageSize size = layout.pageSize();
    DeviceMode m;
    m.Fields = declaredFields(QPrinterInfo(p), size);
    m.Orientation = layout.orientation() == QPageLayout::Landscape ? DeviceMode::OrientLandscape
                                                                   : DeviceMode::OrientPortrait;
    if (m.has(DeviceMode::DM_PAPERLENGTH)) {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        m.PaperSize = DeviceMode::PaperUser;
        m.PaperWidth = clamp16(std::llround(mm.width() * 10));
        m.PaperLength = clamp16(std::llround(mm.height() * 10));
    } else {
        m.PaperSize = clamp16(size.windowsId());
    }
    m.Copies = clamp16(p.copyCount());
    m.Color = p.colorMode() == QPrinter::Color ? DeviceMode::ColorColor : DeviceMode::ColorMonochrome;
    switch (p.duplex()) {
    case QPrinter::DuplexLongSide:
        m.Duplex = DeviceMode::DuplexVertical;
        break;
    case QPrinter::DuplexShortSide:
        m.Duplex = DeviceMode::DuplexHorizontal;
        break;
    default:
        m.Duplex = DeviceMode::DuplexSimplex;
        break;
    }
    return m;
}

void PrinterDevice::SetDeviceMode(const DeviceMode &m)
{
    d->ensureValid();
    if (d->painter)
        throw ZentropeError(QCoreApplication::translate("zentrope::PrinterDevice",
                                                        "Cannot change the printer settings while printing"));
    QPrinter &p = d->qt();
    // Codes the printer cannot take are left as they are, as a driver would.
    if (m.has(DeviceMode::DM_PAPERSIZE)) {
        if (m.PaperSize == DeviceMode::PaperUser) {
            if (m.has(DeviceMode::DM_PAPERLENGTH) && m.has(DeviceMode::DM_PAPERWIDTH) && m.PaperWidth > 0 &&
                m.PaperLength > 0)
                p.setPageSize(
                    QPageSize(QSizeF(m.PaperWidth / 10.0, m.PaperLength / 10.0), QPageSize::Millimeter));
        } else if (m.PaperSize > 0) {
            const QPageSize::PageSizeId id = QPageSize::id(m.PaperSize);
            if (id != QPageSize::Custom)
                p.setPageSize(QPageSize(id));
        }
    }
    if (m.has(DeviceMode::DM_ORIENTATION)) {
        if (m.Orientation == DeviceMode::OrientLandscape)
            p.setPageOrientation(QPageLayout::Landscape);
        else if (m.Orientation == DeviceMode::OrientPortrait)
            p.setPageOrientation(QPageLayout::Portrait);
    }
    if (m.has(DeviceMode::DM_COPIES) && m.Copies >= 1)
        p.setCopyCount(m.Copies);
    if (m.has(DeviceMode::DM_COLOR)) {
        if (m.Color == DeviceMode::ColorColor)
            p.setColorMode(QPrinter::Color);
        else if (m.Color == DeviceMode::ColorMonochrome)
            p.setColorMode(QPrinter::GrayScale);
    }
    if (m.has(DeviceMode::DM_DUPLEX)) {
        if (m.Duplex == DeviceMode::DuplexSimplex)
            p.setDuplex(QPrinter::DuplexNone);
        else if (m.Duplex == DeviceMode::DuplexVertical)
            p.setDuplex(QPrinter::DuplexLongSide);
        else if (m.Duplex == DeviceMode::DuplexHorizontal)
            p.setDuplex(QPrinter::DuplexShortSide);
    }
}

QPageLayout::Orientation PrinterDevice::Orientation() const
{
    return d->job ? d->job->orientation : d->qt().pageLayout().orientation();
}

void PrinterDevice::SetTitle(const QString &title)
{
    d->title = title.left(kTitleLength);
}

QString PrinterDevice::Title() const
{
    return d->title;
}

void PrinterDevice::BeginDoc()
{
    if (d->painter)
        throw ZentropeError(QCoreApplication::translate("zentrope::PrinterDevice", "Printing in progress"));
    d->ensureValid();
    d->qt().setDocName(d->title);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&d->qt()))
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PrinterDevice", "Unable to start printing on %1")
                .arg(d->qt().printerName()));
    d->painter = std::move(painter);
    d->takeSurface();
    // A fresh canvas: a one-dot black pen, a solid white brush.
    QPen pen(Qt::black, 1);
    pen.setCapStyle(Qt::FlatCap);
    d->painter->setPen(pen);
    d->painter->setBrush(Qt::white);
    d->painter->setFont(QFont(QFont(), &d->qt()));
}

void PrinterDevice::NewPage()
{
    if (!d->painter)
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PrinterDevice", "Printer is not currently printing"));
    if (!d->qt().newPage())
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PrinterDevice", "Unable to start a new page on %1")
                .arg(d->qt().printerName()));
    QCoreApplication::processEvents();
}

void PrinterDevice::EndDoc()
{
    if (!d->painter)
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PrinterDevice", "Printer is not currently printing"));
    std::unique_ptr<QPainter> painter = std::move(d->painter);
    d->job.reset();
    const bool ok = painter->end();
    QCoreApplication::processEvents();
    if (!ok)
        throw ZentropeError(QCoreApplication::translate("zentrope::PrinterDevice", "Printing on %1 failed")
                                .arg(d->qt().printerName()));
}

void PrinterDevice::Abort()
{
    if (!d->painter)
        return;
    d->qt().abort();
    d->painter->end();
    d->painter.reset();
    d->job.reset();
}

bool PrinterDevice::Printing() const
{
    return d->painter != nullptr;
}

int PrinterDevice::DpiX() const
{
    return d->job ? d->job->dpiX : d->qt().logicalDpiX();
}

int PrinterDevice::DpiY() const
{
    return d->job ? d->job->dpiY : d->qt().logicalDpiY();
}

int PrinterDevice::WidthMM() const
{
    if (d->job)
        return d->job->widthMM;
    d->ensureValid();
    return d->qt().widthMM();
}

int PrinterDevice::HeightMM() const
{
    if (d->job)
        return d->job->heightMM;
    d->ensureValid();
    return d->qt().heightMM();
}

int PrinterDevice::PageWidth() const
{
    return d->job ? d->job->width : d->qt().width();
}

int PrinterDevice::PageHeight() const
{
    return d->job ? d->job->height : d->qt().height();
}

PrinterPaper PrinterDevice::Paper() const
{
    if (!d->job)
        d->ensureValid();
    const Impl::Surface s = d->job ? *d->job : d->surface();
    PrinterPaper paper;
    paper.DpiX = s.dpiX;
    paper.DpiY = s.dpiY;
    paper.Landscape = s.orientation == QPageLayout::Landscape;
    paper.Sheet = s.sheet;
    paper.Printable = s.printable;
    paper.PrintableWidthMM = s.widthMM;
    paper.PrintableHeightMM = s.heightMM;
    return paper;
}

QPainter &PrinterDevice::Canvas()
{
    if (!d->painter)
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PrinterDevice", "Printer is not currently printing"));
    return *d->painter;
}

PrinterPage PrinterDevice::Page() const
{
    PrinterPage page;
    page.Layout = d->qt().pageLayout();
    page.DpiX = DpiX();
    page.DpiY = DpiY();
    page.PrintableWidthMM = WidthMM();
    page.PrintableHeightMM = HeightMM();
    // The queue's paper list is read at the first sheet that asks, once for
    // the whole job or preview (and never for pages that do not ask).
    auto media = std::make_shared<std::optional<QueueMedia>>();
    page.SheetMargins = [media, printer = d->qt().printerName()](const QSizeF &mm) {
        if (!*media)
            *media = ReadQueueMedia(printer);
        return MatchSheetMedia(**media, mm).Margins;
    };
    return page;
}

QPrinter &PrinterDevice::QtPrinter()
{
    return d->qt();
}

QString NoPrinterMessage()
{
    return QCoreApplication::translate("zentrope::PrinterDevice",
                                       "No printer is installed. Install a printer, then try again.");
}

} // namespace zentrope
