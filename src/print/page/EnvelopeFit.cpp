#include "print/page/EnvelopeFit.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <climits>

namespace zentrope {

namespace {

// A paint engine that draws nothing: the painter still shapes the text and
// measures it, which is all the layout needs.
class NullEngine : public QPaintEngine {
public:
    NullEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawImage(const QRectF &, const QImage &, const QRectF &, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF &, const QPixmap &, const QPointF &) override {}
    void drawTextItem(const QPointF &, const QTextItem &) override {}
    void drawLines(const QLine *, int) override {}
    void drawLines(const QLineF *, int) override {}
    void drawRects(const QRect *, int) override {}
    void drawRects(const QRectF *, int) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint *, int, PolygonDrawMode) override {}
    void drawPoints(const QPointF *, int) override {}
    void drawPoints(const QPoint *, int) override {}
    void drawEllipse(const QRectF &) override {}
    Type type() const override { return QPaintEngine::User; }
};

// A page of the printer's resolution that keeps nothing drawn on it.
class MeasuringPage : public QPaintDevice {
public:
    MeasuringPage(int dpiX, int dpiY) : m_dpiX(dpiX), m_dpiY(dpiY) {}
    ~MeasuringPage() override = default;
    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        // A page of 100 x 100 inches: far larger than any envelope.
        switch (metric) {
        case PdmWidth:
            return 100 * m_dpiX;
        case PdmHeight:
            return 100 * m_dpiY;
        case PdmWidthMM:
        case PdmHeightMM:
            return 2540;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmPhysicalDpiX:
            return m_dpiX;
        case PdmDpiY:
        case PdmPhysicalDpiY:
            return m_dpiY;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    int m_dpiX, m_dpiY;
    mutable NullEngine m_engine;
};

bool inside(const QRect &block, const QRect &envelope)
{
    return block.isNull() || envelope.contains(block);
}

} // namespace

EnvelopeFit CheckEnvelopeFit(const EnvelopePageLayout &layout)
{
    EnvelopeFit fit;
    for (const QRect &block : {layout.ReturnBlock, layout.AddressBlock}) {
        if (!inside(block, layout.Envelope)) {
            fit.Fits = false;
            fit.Overrun |= block;
        }
    }
    return fit;
}

EnvelopeFit MeasureEnvelopeFit(const EnvelopePage &page, EnvelopePageLayout *layout)
{
    EnvelopePage measured = page;
    // The graphic's room counts, its drawing does not.
    if (measured.Graphic)
        measured.Graphic = [](QPainter &, const QRect &) {};
    MeasuringPage device(std::max(1, page.DpiX), std::max(1, page.DpiY));
    QPainter painter(&device);
    const EnvelopePageLayout out = PaintEnvelopePage(painter, measured);
    painter.end();
    if (layout)
        *layout = out;
    return CheckEnvelopeFit(out);
}

} // namespace zentrope
