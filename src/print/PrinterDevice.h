#pragma once

#include "print/DeviceMode.h"
#include "print/page/PageGeometry.h"
#include "print/page/FeedGeometry.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace zentrope {

// The printing layer: one high-resolution printer for the
// current printer (printers come from CUPS), its device settings, the print
// document and the drawing surface of the page being printed. Page coordinates
// are printer dots from the top left corner of the printable area.
//
// Errors (no valid printer, a print that cannot start) are thrown as
// ZentropeError; callers do not catch them.
class PrinterDevice {
public:
    PrinterDevice();
    ~PrinterDevice();
    PrinterDevice(const PrinterDevice &) = delete;
    PrinterDevice &operator=(const PrinterDevice &) = delete;

    // --- Printer list and selection ----------------------------------------------------------
    // The installed printers in the platform's order.
    QStringList Printers() const;
    static bool PrintersInstalled();
    // Index of the current printer in Printers(); -1 when none is installed.
    int PrinterIndex() const;
    // Makes another printer current; throws on an index outside the list.
    void SetPrinterIndex(int index);
    // The current printer's entry in Printers(); throws when there is none.
    QString PrinterName() const;
    static QString DefaultPrinterName();

    // --- Device settings ---------------------------------------------------------------------
    // The current printer's settings with the fields it declares.
    DeviceMode GetDeviceMode() const;
    // Applies the declared fields of a record to the current printer; they
    // govern the following jobs and dialogs.
    void SetDeviceMode(const DeviceMode &mode);
    QPageLayout::Orientation Orientation() const;
    bool Landscape() const { return Orientation() == QPageLayout::Landscape; }

    // --- Document ----------------------------------------------------------------------------
    // Cut to 31 characters.
    void SetTitle(const QString &title);
    QString Title() const;
    // Begins the document with its first page.
    void BeginDoc();
    // Ends the current page (letting pending events through, so a Cancel
    // button can act) and starts the next.
    void NewPage();
    // Ends the document; the pages produced go to the printer.
    void EndDoc();
    // Drops the document without printing it.
    void Abort();
    bool Printing() const;

    // --- Page surface ------------------------------------------------------------------------
    // While a document is printed these (and the orientation) answer what the
    // printer had when it began.
    int DpiX() const;
    int DpiY() const;
    // Printable area in whole millimetres.
    int WidthMM() const;
    int HeightMM() const;
    // Printable area in dots.
    int PageWidth() const;
    int PageHeight() const;
    // All of the above with the whole sheet, read in one go: outside a
    // document it asks the print system once, so a preview reads it when it
    // opens and when the printer changes, never per page.
    PrinterPaper Paper() const;
    // The painter of the page being printed; throws outside a document.
    QPainter &Canvas();
    // The paper, orientation, printable margins and resolution as a job would
    // have them, for the feed geometry (FeedGeometry.h) and a preview.
    PrinterPage Page() const;

    // The Qt printer itself, for the print dialogs.
    QPrinter &QtPrinter();

    // Builds the printer anew for the system's default printer (tests, and a
    // printer list that changed under the program); a pending set-up is dropped.
    void Reset();

    // The Qt printer is built at its first use, which asks CUPS for the printer
    // list and the default printer's PPD; `setUp` runs right after it is built
    // and before that use (at once when it already is built).
    void SetUpWhenBuilt(std::function<void()> setUp);
    // Builds the printer now, running its pending set-up.
    void Prepare();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// What the print commands say when no printer is installed.
QString NoPrinterMessage();

} // namespace zentrope
