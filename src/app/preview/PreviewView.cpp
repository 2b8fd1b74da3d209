#include "app/preview/PreviewView.h"

#include "app/controls/Scale.h"
#include "print/PrintChoices.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace zentrope {

namespace {
constexpr double ZoomStep = 1.25;
// Sheets kept painted, in KiB: a few dozen at a size that fits the screen.
constexpr int CacheKiB = 96 * 1024;
// A sheet larger than this many pixels is painted only where it shows.
constexpr qint64 WholeSheetPixels = 8'000'000;

int gap()
{
    return Scale::dp(12);
}
} // namespace

PreviewView::PreviewView(QWidget *parent) : QAbstractScrollArea(parent), m_sheets(CacheKiB)
{
    setObjectName(QStringLiteral("PreviewView"));
    // Always there, so fitting the width does not make room for it and fit again.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

int PreviewView::PageCount() const
{
    return m_hasDesign && !m_geometry.Paper.Sheet.isEmpty() ? m_envelopes.EnvelopeCount() : 0;
}

void PreviewView::SetEnvelopes(const EnvelopeList &envelopes, const EnvelopeDesign &design)
{
    const int before = PageCount();
    m_envelopes = envelopes;
    m_design = design;
    m_hasDesign = true;
    m_reason.clear();
    invalidate();
    if (PageCount() != before)
        emit pageCountChanged(PageCount());
}

void PreviewView::SetNoPages(const QString &reason)
{
    const int before = PageCount();
    m_envelopes = {};
    m_hasDesign = false;
    m_reason = reason;
    invalidate();
    if (before != 0)
        emit pageCountChanged(0);
}

void PreviewView::SetPageGeometry(const PageGeometry &geometry)
{
    const int before = PageCount();
    m_geometry = geometry;
    if (m_mode != ZoomMode::Factor)
        m_zoom = fitZoom(m_mode == ZoomMode::FitPage);
    invalidate();
    if (PageCount() != before)
        emit pageCountChanged(PageCount());
}

void PreviewView::invalidate()
{
    m_sheets.clear();
    updateScrollBars();
    const int n = PageCount();
    setCurrent(n == 0 ? 0 : std::clamp(m_current, 1, n));
    viewport()->update();
}

QSizeF PreviewView::scale() const
{
    const PrinterPaper &paper = m_geometry.Paper;
    const double pixelsPerInch = m_zoom * Scale::screenDpi();
    return {pixelsPerInch / std::max(1, paper.DpiX), pixelsPerInch / std::max(1, paper.DpiY)};
}

QSize PreviewView::sheetSize() const
{
    return PreviewSheetSize(m_geometry, scale());
}

int PreviewView::pitch() const
{
    return sheetSize().height() + gap();
}

double PreviewView::fitZoom(bool wholePage) const
{
    const PrinterPaper &paper = m_geometry.Paper;
    if (paper.Sheet.isEmpty())
        return 1.0;
    const double inchesW = double(paper.Sheet.width()) / std::max(1, paper.DpiX);
    const double inchesH = double(paper.Sheet.height()) / std::max(1, paper.DpiY);
    const double dpi = Scale::screenDpi();
    const double byWidth = (viewport()->width() - 2 * gap()) / (inchesW * dpi);
    const double byHeight = (viewport()->height() - 2 * gap()) / (inchesH * dpi);
    return std::clamp(wholePage ? std::min(byWidth, byHeight) : byWidth, MinZoom, MaxZoom);
}

void PreviewView::applyZoom(double factor, ZoomMode mode)
{
    factor = std::clamp(factor, MinZoom, MaxZoom);
    // The current page keeps its place in the view.
    const int page = m_current;
    const double into =
        page > 0 ? double(verticalScrollBar()->value() - (page - 1) * pitch()) / pitch() : 0.0;
    const bool changed = factor != m_zoom;
    m_mode = mode;
    m_zoom = factor;
    if (changed) {
        m_sheets.clear();
        updateScrollBars();
        if (page > 0) {
            m_jumping = true;
            verticalScrollBar()->setValue((page - 1) * pitch() +
                                          static_cast<int>(std::lround(into * pitch())));
            m_jumping = false;
        }
        viewport()->update();
    }
    emit zoomChanged(m_zoom);
}

void PreviewView::SetZoom(double factor)
{
    applyZoom(factor, ZoomMode::Factor);
}

void PreviewView::FitPage()
{
    applyZoom(fitZoom(true), ZoomMode::FitPage);
}

void PreviewView::FitWidth()
{
    applyZoom(fitZoom(false), ZoomMode::FitWidth);
}

void PreviewView::ZoomIn()
{
    SetZoom(m_zoom * ZoomStep);
}

void PreviewView::ZoomOut()
{
    SetZoom(m_zoom / ZoomStep);
}

void PreviewView::updateScrollBars()
{
    const int n = PageCount();
    const QSize sheet = sheetSize();
    const QSize view = viewport()->size();
    const int contentW = n ? sheet.width() + 2 * gap() : 0;
    const int contentH = n ? n * pitch() + gap() : 0;
    horizontalScrollBar()->setRange(0, std::max(0, contentW - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setSingleStep(Scale::dp(20));
    verticalScrollBar()->setRange(0, std::max(0, contentH - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(Scale::dp(20));
}

void PreviewView::ShowPage(int page)
{
    const int n = PageCount();
    if (n == 0)
        return;
    page = std::clamp(page, 1, n);
    m_jumping = true;
    verticalScrollBar()->setValue((page - 1) * pitch());
    m_jumping = false;
    setCurrent(page);
}

void PreviewView::setCurrent(int page)
{
    if (page == m_current)
        return;
    m_current = page;
    emit currentPageChanged(page);
}

void PreviewView::scrollContentsBy(int, int)
{
    viewport()->update();
    if (m_jumping || PageCount() == 0)
        return;
    // The page that holds most of the view's top; at the end, the last one.
    const QScrollBar *bar = verticalScrollBar();
    if (bar->maximum() > 0 && bar->value() >= bar->maximum())
        setCurrent(PageCount());
    else
        setCurrent(std::clamp((bar->value() + pitch() / 2) / pitch() + 1, 1, PageCount()));
}

void PreviewView::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    if (m_mode != ZoomMode::Factor)
        applyZoom(fitZoom(m_mode == ZoomMode::FitPage), m_mode);
    updateScrollBars();
}

void PreviewView::wheelEvent(QWheelEvent *e)
{
    if (e->modifiers() & Qt::ControlModifier) {
        const int steps = e->angleDelta().y();
        if (steps > 0)
            ZoomIn();
        else if (steps < 0)
            ZoomOut();
        e->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(e);
}

EnvelopePage PreviewView::pageOf(int page) const
{
    return MakeEnvelopePage(m_design, m_envelopes.Envelope(page));
}

QImage PreviewView::render(int page, const QRect &part, SheetMarks *marks) const
{
    ++m_rendered;
    return RenderPreviewSheet(m_geometry, pageOf(page), scale(), part, devicePixelRatioF(), marks);
}

QImage PreviewView::PageImage(int page, SheetMarks *marks) const
{
    if (page < 1 || page > PageCount())
        return {};
    return render(page, {}, marks);
}

void PreviewView::paintEvent(QPaintEvent *e)
{
    QPainter p(viewport());
    const int n = PageCount();
    if (n == 0) {
        const QString text = m_reason.isEmpty() ? NoAddressMessage() : m_reason;
        p.setPen(palette().color(QPalette::BrightText));
        p.drawText(viewport()->rect().adjusted(gap(), gap(), -gap(), -gap()),
                   Qt::AlignCenter | Qt::TextWordWrap, text);
        return;
    }
    const QSize sheet = sheetSize();
    const int step = pitch();
    const int y = verticalScrollBar()->value();
    const int left =
        std::max(gap(), (viewport()->width() - sheet.width()) / 2) - horizontalScrollBar()->value();
    const int first = std::clamp((y - gap()) / step, 0, n - 1);
    const int last = std::clamp((y + viewport()->height()) / step, 0, n - 1);
    const qreal dpr = devicePixelRatioF();
    const bool whole = qint64(sheet.width()) * sheet.height() * dpr * dpr <= WholeSheetPixels;
    for (int i = first; i <= last; ++i) {
        const QRect r(left, gap() + i * step - y, sheet.width(), sheet.height());
        if (!r.intersects(e->rect()))
            continue;
        p.fillRect(r.translated(Scale::dp(3), Scale::dp(3)), QColor(0, 0, 0, 70));
        if (whole) {
            QImage image;
            if (const QImage *kept = m_sheets.object(i)) {
                image = *kept;
            } else {
                image = render(i + 1, {}, nullptr);
                m_sheets.insert(i, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes() / 1024));
            }
            p.drawImage(r.topLeft(), image);
        } else {
            // Zoomed far in: only what shows, painted anew.
            const QRect part = (r & e->rect()).translated(-r.topLeft());
            p.drawImage(r.topLeft() + part.topLeft(), render(i + 1, part, nullptr));
        }
        // The paper's edge.
        p.setPen(QColor(64, 64, 64));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(-1, -1, 0, 0));
    }
}

} // namespace zentrope
