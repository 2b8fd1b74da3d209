#include "print/QueueMedia.h"

#include "print/CupsJob.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <cups/cups.h>

namespace zentrope {

namespace {

// A size of the queue within this of the sheet is the sheet's paper.
constexpr double kToleranceMm = 1.0;

double mm(int hundredths)
{
    return hundredths / 100.0;
}

QMarginsF margins(const cups_size_t &s)
{
    return QMarginsF(mm(s.left), mm(s.top), mm(s.right), mm(s.bottom));
}

QMarginsF larger(const QMarginsF &a, const QMarginsF &b)
{
    return QMarginsF(std::max(a.left(), b.left()), std::max(a.top(), b.top()), std::max(a.right(), b.right()),
                     std::max(a.bottom(), b.bottom()));
}

// The smallest value above zero an option supports, such as media-top-margin.
int smallestAboveZero(cups_dest_t *dest, cups_dinfo_t *info, const char *name)
{
    int value = 0;
    if (ipp_attribute_t *a = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, name))
        for (int i = 0; i < ippGetCount(a); ++i)
            if (const int v = ippGetInteger(a, i); v > 0 && (value == 0 || v < value))
                value = v;
    return value;
}

void readCustomRange(QueueMedia &q, cups_dest_t *dest, cups_dinfo_t *info)
{
    ipp_attribute_t *a = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "media");
    if (!a)
        return;
    QSizeF min, max;
    for (int i = 0; i < ippGetCount(a); ++i) {
        const char *name = ippGetString(a, i, nullptr);
        if (!name)
            continue;
        const bool isMin = std::strncmp(name, "custom_min_", 11) == 0;
        const bool isMax = std::strncmp(name, "custom_max_", 11) == 0;
        if (!isMin && !isMax)
            continue;
        if (pwg_media_t *p = pwgMediaForPWG(name))
            (isMin ? min : max) = QSizeF(mm(p->width), mm(p->length));
    }
    if (!min.isValid() || max.isEmpty())
        return;
    q.CustomMin = min;
    q.CustomMax = max;
    // A custom sheet gets the margins the printer needs off borderless
    // printing: the smallest it lists above zero (a PPD's HWMargins).
    q.CustomMargins = QMarginsF(mm(smallestAboveZero(dest, info, "media-left-margin")),
                                mm(smallestAboveZero(dest, info, "media-top-margin")),
                                mm(smallestAboveZero(dest, info, "media-right-margin")),
                                mm(smallestAboveZero(dest, info, "media-bottom-margin")));
}

QString customName(const QSizeF &millimetres)
{
    char name[IPP_MAX_NAME];
    const int w = int(std::lround(millimetres.width() * 100)),
              h = int(std::lround(millimetres.height() * 100));
    if (!pwgFormatSizeName(name, sizeof name, "custom", nullptr, w, h, nullptr))
        return {};
    return QString::fromUtf8(name);
}

QString number(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    return s;
}

} // namespace

QueueMedia ReadQueueMedia(const QString &printer)
{
    QueueMedia q;
    const auto [queue, instance] = QueueAndInstance(printer);
    if (queue.isEmpty())
        return q;
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return q;
    if (cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        const int count = cupsGetDestMediaCount(CUPS_HTTP_DEFAULT, dest, info, CUPS_MEDIA_FLAGS_DEFAULT);
        for (int i = 0; i < count; ++i) {
            cups_size_t s;
            if (!cupsGetDestMediaByIndex(CUPS_HTTP_DEFAULT, dest, info, i, CUPS_MEDIA_FLAGS_DEFAULT, &s))
                continue;
            const QString name = QString::fromUtf8(s.media);
            // One entry per name; where a size is listed with several
            // margins (borderless among them) the wider ones are sure to hold.
            const auto same = std::find_if(q.Sizes.begin(), q.Sizes.end(),
                                           [&](const QueueSize &z) { return z.Name == name; });
            if (same != q.Sizes.end())
                same->Margins = larger(same->Margins, margins(s));
            else if (s.width > 0 && s.length > 0)
                q.Sizes.append({name, QSizeF(mm(s.width), mm(s.length)), margins(s)});
        }
        readCustomRange(q, dest, info);
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    q.Known = !q.Sizes.isEmpty() || q.TakesCustom();
    return q;
}

SheetMedia MatchSheetMedia(const QueueMedia &queue, const QSizeF &millimetres)
{
    SheetMedia m;
    if (!queue.Known) {
        m.How = SheetMedia::Unchecked;
        m.Name = PwgPaperName(millimetres);
        return m;
    }
    double best = kToleranceMm * 2 + 1;
    for (const QueueSize &s : queue.Sizes) {
        const double dw = std::abs(s.Millimetres.width() - millimetres.width());
        const double dh = std::abs(s.Millimetres.height() - millimetres.height());
        if (dw <= kToleranceMm && dh <= kToleranceMm && dw + dh < best) {
            best = dw + dh;
            m.How = SheetMedia::Listed;
            m.Name = s.Name;
            m.Margins = s.Margins;
        }
    }
    if (m.How == SheetMedia::Listed)
        return m;
    // The custom range as the queue states it, to the hundredth of a millimetre.
    const auto within = [](double v, double lo, double hi) { return v >= lo - 0.01 && v <= hi + 0.01; };
    if (queue.TakesCustom() &&
        within(millimetres.width(), queue.CustomMin.width(), queue.CustomMax.width()) &&
        within(millimetres.height(), queue.CustomMin.height(), queue.CustomMax.height())) {
        m.How = SheetMedia::Custom;
        m.Name = customName(millimetres);
        m.Margins = queue.CustomMargins;
    }
    return m;
}

QString SheetSizeText(const QSizeF &millimetres)
{
    constexpr double mmPerInch = 25.4;
    return QStringLiteral("%1 \u00D7 %2 in (%3 \u00D7 %4 mm)")
        .arg(number(millimetres.width() / mmPerInch, 3), number(millimetres.height() / mmPerInch, 3),
             number(millimetres.width(), 1), number(millimetres.height(), 1));
}

QString MissingMediaMessage(const QString &printer, const QSizeF &millimetres)
{
    const QString size = SheetSizeText(millimetres);
    if (millimetres.width() > millimetres.height())
        return QCoreApplication::translate("zentrope::QueueMedia",
                                           "This printer's driver offers no long-edge envelope size") +
               QStringLiteral(".\n") +
               QCoreApplication::translate("zentrope::QueueMedia",
                                           "Printer \"%1\" cannot take a sheet of %2 long edge first. "
                                           "Feed the envelope short edge first (Envelope Feed).")
                   .arg(printer, size);
    return QCoreApplication::translate("zentrope::QueueMedia",
                                       "Printer \"%1\" has no paper of %2 and takes no custom size "
                                       "that large, so the envelope would be printed on other paper. "
                                       "Choose another envelope size or printer.")
        .arg(printer, size);
}

} // namespace zentrope
