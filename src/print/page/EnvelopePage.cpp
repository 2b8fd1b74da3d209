#include "print/page/EnvelopePage.h"

#include "print/page/AlignmentPage.h"
#include "barcode/BarCode.h"
#include "barcode/Postnet.h"
#include "core/Units.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace zentrope {

QFont PrinterFont(const QFont &font, int dpiY)
{
    QFont f = font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpiY / 72.0))));
    return f;
}

namespace {
// One line of text in font on device, as QPainter::drawText lays it out:
// unwrapped, from the left, trailing spaces included.
std::unique_ptr<QTextLayout> shapeLine(const QString &text, const QFont &font, QPaintDevice *device)
{
    auto layout = std::make_unique<QTextLayout>(text, font, device);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::NoWrap);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    option.setTextDirection(Qt::LeftToRight);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    layout->createLine();
    layout->endLayout();
    return layout;
}

// The line's advance in whole units, as QFontMetrics::horizontalAdvance has it.
int lineWidth(const QTextLayout &layout)
{
    return qRound(layout.lineAt(0).naturalTextWidth());
}

// Text is printed with its top left corner at (x, y), as the printer's text
// output does: the baseline the font's ascent below.
void printLine(QPainter &painter, const QFontMetrics &fm, int x, int y, const QTextLayout &layout)
{
    layout.draw(&painter, QPointF(x, y + fm.ascent() - layout.lineAt(0).ascent()));
}
} // namespace

ShapedLines::ShapedLines() = default;
ShapedLines::~ShapedLines() = default;

const QTextLayout &ShapedLines::Line(const QString &text, const QFont &font, QPaintDevice *device)
{
    if (device != FDevice || font != FFont || font.pixelSize() != FFont.pixelSize()) {
        FLines.clear();
        FDevice = device;
        FFont = font;
    }
    for (const auto &[known, layout] : FLines)
        if (known == text)
            return *layout;
    FLines.emplace_back(text, shapeLine(text, font, device));
    return *FLines.back().second;
}

QRect EnvelopeRect(const EnvelopePage &page)
{
    TEnvelopeDimension dim = page.Dimension;
    if (page.SizeName == QLatin1String("Printer Setup"))
        dim.GetPrinterSize(page.PrintableWidthMM, page.PrintableHeightMM);
    return QRect(page.Landscape ? 0 : inchesToDots(dim.Indent, page.DpiX),
                 page.Landscape ? inchesToDots(dim.Indent, page.DpiY) : 0, inchesToDots(dim.Width, page.DpiX),
                 inchesToDots(dim.Height, page.DpiY));
}

std::optional<QRect> CornerGraphicRect(const EnvelopePage &page, const QPoint &corner)
{
    if (!page.GraphicLoaded || !page.Graphic)
        return std::nullopt;
    if (page.GraphicX > 0 && page.GraphicY > 0)
        return QRect(corner.x(), corner.y(), inchesToDots(page.GraphicX, page.DpiX),
                     inchesToDots(page.GraphicY, page.DpiY));
    return QRect(corner, page.GraphicPixels);
}

int CornerGraphicGap(const EnvelopePage &page)
{
    return static_cast<int>(roundHalfEven(page.DpiX * 0.125));
}

EnvelopePageLayout PaintEnvelopePage(QPainter &painter, const EnvelopePage &page, ShapedLines *returnLines)
{
    if (page.AlignmentTest)
        return PaintAlignmentPage(painter, page);
    EnvelopePageLayout out;
    const int dpiX = page.DpiX, dpiY = page.DpiY;

    const QRect envelope = EnvelopeRect(page);
    const int envW = envelope.width();
    const int envH = envelope.height();
    const int offX = envelope.x();
    const int offY = envelope.y();
    out.EnvW = envW;
    out.EnvH = envH;
    out.OffX = offX;
    out.OffY = offY;
    out.Envelope = QRect(offX, offY, envW, envH);
    int x = offX, y = offY;

    // A fresh surface: black one-dot pen, white brush, as every page starts.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);

    if (page.TestPrint) {
        out.Outline = QRect(x, y, envW, envH);
        painter.drawRect(out.Outline);
    }

    if (const std::optional<QRect> target = CornerGraphicRect(page, QPoint(x, y))) {
        x += target->width() + CornerGraphicGap(page);
        if (!target->isEmpty()) {
            painter.save();
            page.Graphic(painter, *target);
            painter.restore();
        }
        out.GraphicRect = *target;
    }

    out.ReturnOrigin = QPoint(x, y);
    {
        const QFont f = PrinterFont(page.ReturnFont.Font, dpiY);
        painter.setFont(f);
        painter.setPen(page.ReturnFont.Color);
        const QFontMetrics fm(f, painter.device());
        ShapedLines pageLines;
        ShapedLines &shaped = returnLines ? *returnLines : pageLines;
        for (const QString &line : page.ReturnLines) {
            if (!line.isEmpty()) {
                const QTextLayout &layout = shaped.Line(line, f, painter.device());
                printLine(painter, fm, x, y, layout);
                out.ReturnBlock |= QRect(x, y, lineWidth(layout), fm.height());
            }
            y += fm.height();
        }
    }

    const QFont f = PrinterFont(page.AddressFont.Font, dpiY);
    painter.setFont(f);
    const QFontMetrics fm(f, painter.device());
    const int lineHeight = fm.height();
    std::vector<std::unique_ptr<QTextLayout>> lines;
    int widest = 0;
    for (const QString &line : page.AddressLines) {
        lines.push_back(shapeLine(line, f, painter.device()));
        widest = std::max(widest, lineWidth(*lines.back()));
    }
    const BarGeometry bars = PrinterBarCodeGeometry(dpiX, dpiY);
    const int blockHeight = lineHeight * static_cast<int>(page.AddressLines.size()) +
                            (page.PrintBarCode ? BarCodeHeight(bars) : 0);
    out.LineHeight = lineHeight;
    out.BlockHeight = blockHeight;

    x = std::min(envW - dpiX - widest, envW / 2) + offX;
    y = envH - dpiY - blockHeight + offY;

    if (page.PrintBarCode) {
        const QString digits = ExtractZipCode(page.AddressLines);
        painter.setPen(QPen(Qt::black, 1));
        out.BarCodeY = y;
        DrawBarCode(painter, bars, digits, x, offX + envW, y);
        out.BarCodeX = x; // after the overrun rule: where the bars start
        if (y != out.BarCodeY) {
            out.BarCodeDigits = digits;
            const int count = static_cast<int>(EncodePostnet(digits).size());
            // Each bar is centred on its position.
            out.AddressBlock = QRect(x - bars.BarWidth / 2, out.BarCodeY,
                                     (count - 1) * bars.Pitch + bars.BarWidth, bars.TallHeight);
        }
    }

    out.AddressOrigin = QPoint(x, y);
    painter.setPen(page.AddressFont.Color);
    for (const std::unique_ptr<QTextLayout> &line : lines) {
        if (!line->text().isEmpty()) {
            printLine(painter, fm, x, y, *line);
            out.AddressBlock |= QRect(x, y, lineWidth(*line), lineHeight);
        }
        y += lineHeight;
    }
    return out;
}

} // namespace zentrope
