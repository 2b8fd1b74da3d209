#pragma once

#include "document/AddressLines.h"
#include "print/page/EnvelopeDesign.h"
#include "print/page/PageGeometry.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QSpinBox;

namespace zentrope {

class PreviewView;

// The print preview: every page the print job would produce for the current
// printer, painted by the job's own page painter on the printer's paper. It
// shows what it is given (the main window hands it the envelopes, their
// design and the printer's paper, again whenever they change) and asks for
// printing by a signal. Closing it frees the painted pages.
class PrintPreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit PrintPreviewWindow(QWidget *parent = nullptr);

    // The pages: one per envelope, sharing the design.
    void SetEnvelopes(const EnvelopeList &envelopes, const EnvelopeDesign &design);
    // No pages, and why.
    void SetNoPages(const QString &reason);
    // Where the pages go on the printer's paper, and the printer's name.
    void SetPageGeometry(const PageGeometry &geometry, const QString &printerName);

    PreviewView *View() const { return m_view; }

    QAction *PreviewPrint = nullptr;
    QAction *PreviewFirst = nullptr;
    QAction *PreviewPrevious = nullptr;
    QAction *PreviewNext = nullptr;
    QAction *PreviewLast = nullptr;
    QAction *PreviewFitPage = nullptr;
    QAction *PreviewFitWidth = nullptr;
    QAction *PreviewActualSize = nullptr;
    QAction *PreviewZoomIn = nullptr;
    QAction *PreviewZoomOut = nullptr;
    QAction *PreviewClose = nullptr;
    QSpinBox *SpinPageNumber = nullptr;
    QLabel *LabelPageCount = nullptr;
    QLabel *LabelZoom = nullptr;
    QLabel *LabelPaper = nullptr;

signals:
    // Print... was chosen: the main window runs Print Envelope with its dialog.
    void printRequested();

private:
    void CreateActions();
    void UpdateNavigation();

    PreviewView *m_view = nullptr;
};

} // namespace zentrope
