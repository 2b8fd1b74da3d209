#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>

namespace zentrope::test {

// What Poppler's tools read back from a PDF file.
struct PdfInfo {
    int Pages = -1;
    QString Title;
    QSizeF PageSize; // of the first page asked for, in points
};
PdfInfo pdfInfo(const QString &pdf, int page = 1);
int pdfPages(const QString &pdf);
// The text of one page (from 1), laid out as on the page.
QString pageText(const QString &pdf, int page);
// One page rendered in grey at 300 dpi (a file in dir).
QImage renderPage(const QString &pdf, int page, const QString &dir);

// Reads a POSTNET code off a page rendered at 300 dpi: narrow dark columns
// that share one bottom row, tall or short; the digits, an empty string when
// there is no code, or "bad group ..." when a group is no digit.
QString decodeBarCode(const QImage &img);

} // namespace zentrope::test
