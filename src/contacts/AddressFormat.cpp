#include "contacts/AddressFormat.h"

#include "contacts/Country.h"

namespace zentrope {

namespace {

enum class Layout { NorthAmerica, PostcodeFirst, UnitedKingdom, Other };

Layout layoutOf(const QString &code)
{
    if (code == u"US" || code == u"CA")
        return Layout::NorthAmerica;
    if (code == u"GB")
        return Layout::UnitedKingdom;
    static const QStringList postcodeFirst = {
        QStringLiteral("DE"), QStringLiteral("FR"), QStringLiteral("IT"), QStringLiteral("ES"),
        QStringLiteral("NL"), QStringLiteral("BE"), QStringLiteral("CH"), QStringLiteral("AT"),
        QStringLiteral("DK"), QStringLiteral("SE"), QStringLiteral("NO"), QStringLiteral("FI"),
        QStringLiteral("IS")};
    return postcodeFirst.contains(code) ? Layout::PostcodeFirst : Layout::Other;
}

QString poBoxWord(const QString &code)
{
    if (code == u"DE" || code == u"AT" || code == u"CH")
        return QStringLiteral("Postfach");
    if (code == u"FR")
        return QStringLiteral("BP");
    if (code == u"IT")
        return QStringLiteral("Casella postale");
    if (code == u"ES")
        return QStringLiteral("Apartado");
    if (code == u"NL" || code == u"BE")
        return QStringLiteral("Postbus");
    if (code == u"DK" || code == u"NO")
        return QStringLiteral("Postboks");
    if (code == u"SE")
        return QStringLiteral("Box");
    if (code == u"FI")
        return QStringLiteral("PL");
    if (code == u"IS")
        return QStringLiteral("Pósthólf");
    return QStringLiteral("PO Box");
}

// A part that belongs on one line: its own line breaks become blanks.
QString oneLine(const QString &text)
{
    return VisibleLines(text).join(QLatin1Char(' '));
}

QString joinNonEmpty(const QStringList &parts, const QString &separator)
{
    QStringList kept;
    for (const QString &p : parts)
        if (!p.isEmpty())
            kept.append(p);
    return kept.join(separator);
}

QString homeCode(const QString &homeCountry)
{
    const QString code = CountryCode(homeCountry);
    return code.isEmpty() ? DefaultHomeCountryCode() : code;
}

bool isNumber(const QString &text)
{
    bool digit = false;
    for (QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (c != u' ')
            return false;
    }
    return digit;
}

// The country line for mail abroad: in full and in capitals. A bare code would
// not be understood by every post office on the way, so it becomes the name.
QString countryLine(const QString &text, const QString &code)
{
    int letters = 0;
    for (QChar c : text)
        if (c.isLetterOrNumber())
            ++letters;
    const QString name = code.isEmpty() || letters > 3 ? QString() : CountryName(code);
    return (name.isEmpty() ? text : name).toUpper();
}

} // namespace

QStringList VisibleLines(const QString &text)
{
    QStringList out;
    QString line;
    auto flush = [&] {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            out.append(trimmed);
        line.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            flush();
        } else if (c.category() == QChar::Other_Control) {
            line.append(QLatin1Char(' '));
        } else {
            line.append(c);
        }
    }
    flush();
    return out;
}

QStringList FormatAddressParts(const PostalAddress &address, const QString &homeCountry)
{
    const QString home = homeCode(homeCountry);
    const QString country = oneLine(address.Country);
    const QString destination = country.isEmpty() ? home : CountryCode(country);
    const bool abroad = !country.isEmpty() && destination != home;

    QStringList lines = VisibleLines(address.Extended);
    lines += VisibleLines(address.Street);
    const QString box = oneLine(address.PoBox);
    if (!box.isEmpty())
        lines.append(isNumber(box) ? poBoxWord(destination) + QLatin1Char(' ') + box : box);

    const QString town = oneLine(address.Locality);
    const QString region = oneLine(address.Region);
    const QString code = oneLine(address.PostalCode);
    switch (layoutOf(destination)) {
    case Layout::NorthAmerica: {
        QString line = town;
        if (!region.isEmpty())
            line = line.isEmpty() ? region : line + QStringLiteral(", ") + region;
        if (!code.isEmpty())
            line = line.isEmpty() ? code : line + QLatin1Char(' ') + code;
        lines.append(line);
        break;
    }
    case Layout::PostcodeFirst:
        lines.append(
            joinNonEmpty({code, town, destination == u"IT" ? region : QString()}, QStringLiteral(" ")));
        break;
    case Layout::UnitedKingdom:
        lines.append(town);
        lines.append(code);
        break;
    case Layout::Other:
        lines.append(joinNonEmpty({code, town, region}, QStringLiteral(" ")));
        break;
    }
    if (abroad)
        lines.append(countryLine(country, destination));
    lines.removeAll(QString());
    return lines;
}

QStringList LabelLines(const QString &label, const QString &homeCountry)
{
    QStringList lines = VisibleLines(label);
    if (!lines.isEmpty() && CountryCode(lines.last()) == homeCode(homeCountry))
        lines.removeLast();
    return lines;
}

QStringList AddressLines(const PostalAddress &address, const QString &homeCountry)
{
    const QStringList label = LabelLines(address.Label, homeCountry);
    return label.isEmpty() ? FormatAddressParts(address, homeCountry) : label;
}

QString AddressSummary(const PostalAddress &address, const QString &homeCountry)
{
    return AddressLines(address, homeCountry).join(QStringLiteral(", "));
}

} // namespace zentrope
