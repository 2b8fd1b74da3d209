#include "print/PrintChoices.h"

#include <QCoreApplication>
#include <QPrintEngine>
#include <QPrinter>
#include <algorithm>
#include <set>

namespace zentrope {

namespace {
// Qt's key for the CUPS options of the next job (a name/value string list).
const auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

bool filtersPages(const QString &option)
{
    for (const char *name : {"page-ranges", "copies", "Collate", "page-set", "outputorder"})
        if (option.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

std::vector<int> EnvelopesInRanges(const QPageRanges &ranges, int count)
{
    std::set<int> chosen;
    for (const QPageRanges::Range &r : ranges.toRangeList())
        for (int e = std::max(1, r.from); e <= std::min(count, r.to); ++e)
            chosen.insert(e);
    return {chosen.begin(), chosen.end()};
}

QPageRanges ParsePageList(const QString &text)
{
    return QPageRanges::fromString(text.trimmed());
}

QString NoAddressMessage()
{
    return QCoreApplication::translate("zentrope::PrintChoices", "There is no address to print.");
}

QStringList PrinterJobOptions(QPrinter &printer)
{
    QPrintEngine *engine = printer.printEngine();
    return engine ? engine->property(kCupsOptions).toStringList() : QStringList();
}

bool ReversePrinterOrder(QPrinter &printer)
{
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        return true;
    const QStringList options = PrinterJobOptions(printer);
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (options[i].compare(QLatin1String("outputorder"), Qt::CaseInsensitive) == 0)
            return options[i + 1].compare(QLatin1String("reverse"), Qt::CaseInsensitive) == 0;
    return false;
}

void ClearPrinterChoices(QPrinter &printer)
{
    printer.setCopyCount(1);
    printer.setPageOrder(QPrinter::FirstPageFirst);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    QPrintEngine *engine = printer.printEngine();
    if (!engine)
        return;
    const QStringList options = engine->property(kCupsOptions).toStringList();
    QStringList kept;
    for (qsizetype i = 0; i + 1 < options.size(); i += 2) {
        if (!filtersPages(options[i]))
            kept << options[i] << options[i + 1];
    }
    if (kept.size() != options.size())
        engine->setProperty(kCupsOptions, kept);
}

} // namespace zentrope
