#pragma once

#include <QPageRanges>
#include <QString>
#include <QStringList>
#include <vector>

class QPrinter;

namespace zentrope {

// The envelopes a page list chooses: each once, ascending, within 1 .. count.
std::vector<int> EnvelopesInRanges(const QPageRanges &ranges, int count);

// A page list as the print dialog's "Pages" field takes it ("1,3-5"); empty
// when the text is not one.
QPageRanges ParsePageList(const QString &text);

// The program makes its own copies and picks its own envelopes, so the printer
// must print each page it is given once and in order: one copy, all pages,
// first page first, and none of the print dialog's "page-ranges", "copies",
// "Collate", "page-set" or "outputorder" (nor the PPD's OutputOrder) among
// the options Qt's CUPS engine sends with the job (clearing the printer's
// own range does not reach that list). Every other option the dialog put
// there stays.
void ClearPrinterChoices(QPrinter &printer);

// Whether the print dialog asked for the last page first (its Reverse box,
// or the PPD's OutputOrder among the job options).
bool ReversePrinterOrder(QPrinter &printer);

// What the print commands say when the text holds no envelope to print.
QString NoAddressMessage();

// The name/value list of CUPS options the printer's engine sends with a job.
QStringList PrinterJobOptions(QPrinter &printer);

} // namespace zentrope
