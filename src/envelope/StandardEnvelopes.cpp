#include "envelope/StandardEnvelopes.h"

#include "core/Units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zentrope {

namespace {
struct Row {
    const char16_t *label;
    const char16_t *shortName;
    const char *pwgPrefix; // class and name; nullptr for a size PWG 5101.1 does not name
    double shortSide, longSide;
    QPageSize::Unit unit;
    QPageSize::PageSizeId id;
};

constexpr auto mm = QPageSize::Millimeter;
constexpr auto in = QPageSize::Inch;

// The sides agree with QPageSize's envelope ids, short side first (Qt keeps
// B6 on its side), except #10: Qt rounds it to 4.12 in, USPS and PWG 5101.1
// state 4⅛. The US A7 envelope has no PWG 5101.1 name (its na_a2 stops at A2); it gets a
// custom name like any size outside the standard.
const Row rows[] = {
    {u"ISO C4", u"C4", "iso_c4", 229, 324, mm, QPageSize::EnvelopeC4},
    {u"ISO C5", u"C5", "iso_c5", 162, 229, mm, QPageSize::EnvelopeC5},
    {u"ISO C6", u"C6", "iso_c6", 114, 162, mm, QPageSize::EnvelopeC6},
    {u"ISO C6/C5", u"C6/C5", "iso_c6c5", 114, 229, mm, QPageSize::EnvelopeC65},
    {u"ISO DL", u"DL", "iso_dl", 110, 220, mm, QPageSize::EnvelopeDL},
    {u"ISO B4", u"B4", "iso_b4", 250, 353, mm, QPageSize::EnvelopeB4},
    {u"ISO B5", u"B5", "iso_b5", 176, 250, mm, QPageSize::EnvelopeB5},
    {u"ISO B6", u"B6", "iso_b6", 125, 176, mm, QPageSize::EnvelopeB6},
    {u"US #9", u"US #9", "na_number-9", 3.875, 8.875, in, QPageSize::Envelope9},
    {u"US #10", u"US #10", "na_number-10", 4.125, 9.5, in, QPageSize::Envelope10},
    {u"US #11", u"US #11", "na_number-11", 4.5, 10.375, in, QPageSize::Envelope11},
    {u"US #12", u"US #12", "na_number-12", 4.75, 11, in, QPageSize::Envelope12},
    {u"US #14", u"US #14", "na_number-14", 5, 11.5, in, QPageSize::Envelope14},
    {u"US Monarch", u"Monarch", "na_monarch", 3.875, 7.5, in, QPageSize::EnvelopeMonarch},
    {u"US 6\u00BE Personal", u"6\u00BE Personal", "na_personal", 3.625, 6.5, in, QPageSize::EnvelopePersonal},
    {u"US A2", u"US A2", "na_a2", 4.375, 5.75, in, QPageSize::Custom},
    {u"US A7", u"US A7", nullptr, 5.25, 7.25, in, QPageSize::Custom},
    {u"Japanese Chou 3", u"Chou 3", "jpn_chou3", 120, 235, mm, QPageSize::EnvelopeChou3},
    {u"Japanese Chou 4", u"Chou 4", "jpn_chou4", 90, 205, mm, QPageSize::EnvelopeChou4},
    {u"Japanese Kaku 2", u"Kaku 2", "jpn_kaku2", 240, 332, mm, QPageSize::EnvelopeKaku2},
    {u"Japanese You 4", u"You 4", "jpn_you4", 105, 235, mm, QPageSize::EnvelopeYou4},
};

int thousandths(double value, QPageSize::Unit unit)
{
    const double inches = unit == QPageSize::Millimeter ? value / 25.4 : value;
    return clampToInt(roundHalfEven(inches * 1000.0));
}

// Inches in eighths as a mixed number: 4⅛, 9½, 11.
QString eighths(double inches)
{
    static const char16_t fractions[] = {0,         u'\u215B', u'\u00BC', u'\u215C',
                                         u'\u00BD', u'\u215D', u'\u00BE', u'\u215E'};
    const int total = static_cast<int>(std::lround(inches * 8));
    QString s = QString::number(total / 8);
    if (total % 8)
        s += QChar(fractions[total % 8]);
    return s;
}

// Thousandths of an inch as PWG writes inches: up to three decimals, no
// trailing zeros ("4.125", "9.5", "11").
QString pwgInches(int thousandths)
{
    QString s = QString::number(thousandths / 1000);
    if (int rest = thousandths % 1000) {
        QString decimals = QStringLiteral("%1").arg(rest, 3, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        s += u'.' + decimals;
    }
    return s;
}

QString customName(int shortSide, int longSide)
{
    const QString size = pwgInches(shortSide) + u'x' + pwgInches(longSide) + QStringLiteral("in");
    return QStringLiteral("custom_") + size + u'_' + size;
}

std::vector<StandardEnvelope> build()
{
    std::vector<StandardEnvelope> out;
    for (const Row &r : rows) {
        StandardEnvelope e;
        e.Label = QString::fromUtf16(r.label);
        e.ShortName = QString::fromUtf16(r.shortName);
        e.ShortSide = r.shortSide;
        e.LongSide = r.longSide;
        e.Unit = r.unit;
        e.PageSizeId = r.id;
        e.ShortThousandths = thousandths(r.shortSide, r.unit);
        e.LongThousandths = thousandths(r.longSide, r.unit);
        const bool metric = r.unit == QPageSize::Millimeter;
        const QString times = QStringLiteral(" \u00D7 ");
        if (metric)
            e.Name =
                QStringLiteral("%1 (%2%3%4 mm)").arg(e.Label).arg(r.shortSide).arg(times).arg(r.longSide);
        else
            e.Name = QStringLiteral("%1 (%2%3%4 in)")
                         .arg(e.Label, eighths(r.shortSide), times, eighths(r.longSide));
        if (!r.pwgPrefix)
            e.PwgName = customName(e.ShortThousandths, e.LongThousandths);
        else if (metric)
            e.PwgName =
                QStringLiteral("%1_%2x%3mm").arg(QLatin1String(r.pwgPrefix)).arg(r.shortSide).arg(r.longSide);
        else
            e.PwgName = QStringLiteral("%1_%2x%3in")
                            .arg(QLatin1String(r.pwgPrefix), pwgInches(e.ShortThousandths),
                                 pwgInches(e.LongThousandths));
        out.push_back(e);
    }
    return out;
}
} // namespace

TEnvelopeDimension StandardEnvelope::Dimension() const
{
    TEnvelopeDimension d;
    d.Width = LongThousandths / 1000.0;
    d.Height = ShortThousandths / 1000.0;
    d.Indent = 0.0;
    return d;
}

const std::vector<StandardEnvelope> &StandardEnvelopes()
{
    static const std::vector<StandardEnvelope> table = build();
    return table;
}

const StandardEnvelope *FindStandardEnvelope(const QString &name)
{
    const QString wanted = name.trimmed();
    for (const StandardEnvelope &e : StandardEnvelopes())
        for (const QString *known : {&e.ShortName, &e.Label, &e.PwgName})
            if (known->compare(wanted, Qt::CaseInsensitive) == 0)
                return &e;
    return nullptr;
}

QString PwgMediaName(double width, double height)
{
    const int w = clampToInt(roundHalfEven(width * 1000.0));
    const int h = clampToInt(roundHalfEven(height * 1000.0));
    if (w <= 0 || h <= 0)
        return {};
    const int shortSide = std::min(w, h), longSide = std::max(w, h);
    constexpr int tolerance = 20;
    const StandardEnvelope *best = nullptr;
    int bestDistance = 0;
    for (const StandardEnvelope &e : StandardEnvelopes()) {
        const int ds = std::abs(e.ShortThousandths - shortSide), dl = std::abs(e.LongThousandths - longSide);
        if (ds <= tolerance && dl <= tolerance && (!best || ds + dl < bestDistance)) {
            best = &e;
            bestDistance = ds + dl;
        }
    }
    return best ? best->PwgName : customName(shortSide, longSide);
}

} // namespace zentrope
