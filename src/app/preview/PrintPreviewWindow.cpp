#include "app/preview/PrintPreviewWindow.h"

#include "app/controls/Named.h"
#include "app/controls/Scale.h"
#include "app/help/HelpContext.h"
#include "app/preview/PreviewView.h"
#include "app/prompt/Guard.h"
#include "platform/Topics.h"

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QPageSize>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <cmath>

namespace zentrope {

namespace {

// "Letter, portrait, 1200 dpi": the paper as the printer takes it.
QString paperText(const PrinterPaper &paper)
{
    const double w = double(paper.Sheet.width()) / std::max(1, paper.DpiX);
    const double h = double(paper.Sheet.height()) / std::max(1, paper.DpiY);
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Inch, QString(),
                         QPageSize::FuzzyMatch);
    const QString orientation =
        paper.Landscape ? PrintPreviewWindow::tr("landscape") : PrintPreviewWindow::tr("portrait");
    const QString dpi = paper.DpiX == paper.DpiY ? QString::number(paper.DpiX)
                                                 : QStringLiteral("%1 x %2").arg(paper.DpiX).arg(paper.DpiY);
    return PrintPreviewWindow::tr("%1, %2, %3 dpi").arg(size.name(), orientation, dpi);
}

} // namespace

PrintPreviewWindow::PrintPreviewWindow(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setObjectName(QStringLiteral("PrintPreviewWindow"));
    setWindowTitle(tr("Print Preview"));
    setWindowIcon(QIcon(QStringLiteral(":/zentrope/icons/printpreview.svg")));
    setAttribute(Qt::WA_DeleteOnClose);
    SetHelpContext(this, Topic::PrintPreview);
    resize(Scale::dp(QSize(640, 720)));

    m_view = new PreviewView(this);
    setCentralWidget(m_view);
    CreateActions();

    LabelPaper = named(new QLabel(this), "LabelPaper");
    statusBar()->addWidget(LabelPaper, 1);
    UpdateNavigation();
}

void PrintPreviewWindow::CreateActions()
{
    auto *bar = named(new QToolBar(tr("Preview"), this), "PreviewToolbar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolBar(bar);
    const auto action = [&](const char *name, const QString &caption, const QString &tip,
                            const QList<QKeySequence> &keys, auto handler) {
        QAction *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setToolTip(tip);
        a->setStatusTip(tip);
        a->setShortcuts(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, Guard(handler));
        bar->addAction(a);
        return a;
    };
    PreviewView *v = m_view;
    PreviewPrint = action("PreviewPrint", tr("&Print..."), tr("Print the envelopes"),
                          {QKeySequence(Qt::CTRL | Qt::Key_P)}, [this] { emit printRequested(); });
    bar->addSeparator();
    PreviewFirst = action("PreviewFirst", tr("First"), tr("First page"),
                          {QKeySequence(Qt::CTRL | Qt::Key_Home)}, [v] { v->ShowPage(1); });
    PreviewPrevious = action("PreviewPrevious", tr("Previous"), tr("Previous page"),
                             {QKeySequence(Qt::Key_PageUp)}, [v] { v->ShowPage(v->CurrentPage() - 1); });
    SpinPageNumber = named(new QSpinBox(bar), "SpinPageNumber");
    SpinPageNumber->setToolTip(tr("Page number"));
    SpinPageNumber->setStatusTip(SpinPageNumber->toolTip());
    SpinPageNumber->setKeyboardTracking(false);
    SpinPageNumber->setAccelerated(true);
    bar->addWidget(SpinPageNumber);
    LabelPageCount = named(new QLabel(bar), "LabelPageCount");
    bar->addWidget(LabelPageCount);
    PreviewNext = action("PreviewNext", tr("Next"), tr("Next page"), {QKeySequence(Qt::Key_PageDown)},
                         [v] { v->ShowPage(v->CurrentPage() + 1); });
    PreviewLast = action("PreviewLast", tr("Last"), tr("Last page"), {QKeySequence(Qt::CTRL | Qt::Key_End)},
                         [v] { v->ShowPage(v->PageCount()); });
    bar->addSeparator();
    PreviewFitPage =
        action("PreviewFitPage", tr("Fit Page"), tr("Show whole pages"), {}, [v] { v->FitPage(); });
    PreviewFitWidth = action("PreviewFitWidth", tr("Fit Width"), tr("Fit the page's width to the window"), {},
                             [v] { v->FitWidth(); });
    PreviewActualSize = action("PreviewActualSize", tr("100 %"), tr("Show the paper at its real size"),
                               {QKeySequence(Qt::CTRL | Qt::Key_0)}, [v] { v->SetZoom(1.0); });
    PreviewZoomIn =
        action("PreviewZoomIn", tr("Zoom In"), tr("Zoom in"),
               {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [v] { v->ZoomIn(); });
    PreviewZoomOut = action("PreviewZoomOut", tr("Zoom Out"), tr("Zoom out"), {QKeySequence::ZoomOut},
                            [v] { v->ZoomOut(); });
    LabelZoom = named(new QLabel(bar), "LabelZoom");
    LabelZoom->setMinimumWidth(Scale::dp(48));
    LabelZoom->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addWidget(LabelZoom);
    bar->addSeparator();
    PreviewClose = action("PreviewClose", tr("&Close"), tr("Close the preview"),
                          {QKeySequence(Qt::Key_Escape)}, [this] { close(); });
    for (QAction *a : {PreviewFitPage, PreviewFitWidth})
        a->setCheckable(true);

    connect(SpinPageNumber, &QSpinBox::valueChanged, this, [this, v](int page) {
        if (page != v->CurrentPage())
            Guarded([&] { v->ShowPage(page); });
    });
    connect(v, &PreviewView::currentPageChanged, this, Guard([this] { UpdateNavigation(); }));
    connect(v, &PreviewView::pageCountChanged, this, Guard([this] { UpdateNavigation(); }));
    connect(v, &PreviewView::zoomChanged, this, Guard([this] { UpdateNavigation(); }));
}

void PrintPreviewWindow::UpdateNavigation()
{
    const int n = m_view->PageCount();
    const int page = m_view->CurrentPage();
    {
        const QSignalBlocker quiet(SpinPageNumber);
        SpinPageNumber->setRange(n ? 1 : 0, n);
        SpinPageNumber->setValue(page);
    }
    SpinPageNumber->setEnabled(n > 1);
    LabelPageCount->setText(tr(" of %1 ").arg(n));
    PreviewFirst->setEnabled(page > 1);
    PreviewPrevious->setEnabled(page > 1);
    PreviewNext->setEnabled(page < n);
    PreviewLast->setEnabled(page < n);
    PreviewPrint->setEnabled(n > 0);
    LabelZoom->setText(tr("%1 %").arg(std::lround(m_view->Zoom() * 100)));
    PreviewFitPage->setChecked(m_view->Mode() == PreviewView::ZoomMode::FitPage);
    PreviewFitWidth->setChecked(m_view->Mode() == PreviewView::ZoomMode::FitWidth);
    PreviewZoomIn->setEnabled(m_view->Zoom() < PreviewView::MaxZoom);
    PreviewZoomOut->setEnabled(m_view->Zoom() > PreviewView::MinZoom);
}

void PrintPreviewWindow::SetEnvelopes(const EnvelopeList &envelopes, const EnvelopeDesign &design)
{
    m_view->SetEnvelopes(envelopes, design);
    UpdateNavigation();
}

void PrintPreviewWindow::SetNoPages(const QString &reason)
{
    m_view->SetNoPages(reason);
    UpdateNavigation();
}

void PrintPreviewWindow::SetPageGeometry(const PageGeometry &geometry, const QString &printerName)
{
    m_view->SetPageGeometry(geometry);
    LabelPaper->setText(tr("%1: %2").arg(printerName, paperText(geometry.Paper)));
    UpdateNavigation();
}

} // namespace zentrope
