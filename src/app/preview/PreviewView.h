#pragma once

#include "document/AddressLines.h"
#include "print/page/EnvelopeDesign.h"
#include "print/page/PageGeometry.h"
#include "print/page/PreviewSheet.h"

#include <QAbstractScrollArea>
#include <QCache>
#include <QImage>

namespace zentrope {

// The printed sheets one below the other, as the print job would produce
// them: one per envelope. A sheet is painted only when it comes into view,
// and kept for a while; every sheet has the same size, so where each one lies
// is arithmetic, whatever the number of envelopes.
class PreviewView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class ZoomMode { FitPage, FitWidth, Factor };

    explicit PreviewView(QWidget *parent = nullptr);

    // The envelopes and what their pages share; pages already painted are
    // painted again.
    void SetEnvelopes(const EnvelopeList &envelopes, const EnvelopeDesign &design);
    // No pages, and why, in place of them.
    void SetNoPages(const QString &reason);
    // The sheet the printer takes the pages on.
    void SetPageGeometry(const PageGeometry &geometry);
    const PageGeometry &PageGeometryShown() const { return m_geometry; }

    int PageCount() const;
    // The page at the top of the view, from 1; 0 without pages.
    int CurrentPage() const { return m_current; }
    // Scrolls the page's top into view and makes it current.
    void ShowPage(int page);

    // 1.0 shows the paper at its real size on the screen.
    double Zoom() const { return m_zoom; }
    ZoomMode Mode() const { return m_mode; }
    void SetZoom(double factor);
    void FitPage();
    void FitWidth();
    void ZoomIn();
    void ZoomOut();
    static constexpr double MinZoom = 0.1;
    static constexpr double MaxZoom = 4.0;

    // A whole sheet as the view paints it at the current zoom.
    QImage PageImage(int page, SheetMarks *marks = nullptr) const;
    // How many times a sheet (or part of one) has been painted.
    int RenderedSheets() const { return m_rendered; }

signals:
    void currentPageChanged(int page);
    void zoomChanged(double factor);
    void pageCountChanged(int count);

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSizeF scale() const; // screen pixels per printer dot
    QSize sheetSize() const;
    int pitch() const; // a sheet and the gap below it
    double fitZoom(bool wholePage) const;
    void applyZoom(double factor, ZoomMode mode);
    void updateScrollBars();
    void invalidate();
    void setCurrent(int page);
    EnvelopePage pageOf(int page) const;
    QImage render(int page, const QRect &part, SheetMarks *marks) const;

    EnvelopeList m_envelopes;
    EnvelopeDesign m_design;
    bool m_hasDesign = false;
    QString m_reason;
    PageGeometry m_geometry;
    double m_zoom = 1.0;
    ZoomMode m_mode = ZoomMode::FitPage;
    int m_current = 0;
    bool m_jumping = false;
    mutable int m_rendered = 0;
    // Whole sheets at the current zoom, by page; their cost in KiB.
    mutable QCache<int, QImage> m_sheets;
};

} // namespace zentrope
