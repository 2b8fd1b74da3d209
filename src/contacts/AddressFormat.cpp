#include "contacts/AddressFormat.h"

#include "contacts/AddressData.h"
#include "contacts/Country.h"

namespace zentrope {

namespace {

// The word for a post office box where the data set has none.
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

// Where an address goes: the country its parts name (the code, or empty when
// the text names no country known), and whether it names one at all.
struct Destination {
    QString Code;       // the destination's code; home when the address names no country
    QString Text;       // the country as written, one line
    bool Named = false; // the address names a country
    bool Abroad = false;
};

Destination destinationOf(const PostalAddress &address, const QString &home)
{
    Destination d;
    d.Text = oneLine(address.Country);
    d.Named = !d.Text.isEmpty();
    d.Code = d.Named ? CountryCode(d.Text) : home;
    d.Abroad = d.Named && d.Code != home;
    return d;
}

// The country line of mail abroad: the name in the sender's language, or the
// text as written, in capitals, when it names no country known.
QString countryLineOf(const Destination &d, const QString &home)
{
    return d.Code.isEmpty() ? d.Text.toUpper() : CountryLine(d.Code, home);
}

bool allLatin(const QStringList &texts)
{
    for (const QString &text : texts)
        for (QChar c : text)
            if (c.isLetter() && c.script() != QChar::Script_Latin)
                return false;
    return true;
}

// The street lines of an address: the extended address, the street and the
// post office box.
QStringList streetLines(const PostalAddress &address, const QString &destination)
{
    QStringList lines = VisibleLines(address.Extended);
    lines += VisibleLines(address.Street);
    const QString box = oneLine(address.PoBox);
    if (!box.isEmpty())
        lines.append(isNumber(box) ? poBoxWord(destination) + QLatin1Char(' ') + box : box);
    return lines;
}

struct Values {
    QString N, O, C, S, Z;
    QStringList A;
};

// A layout with a place made for the town and the postal code where the
// country's own has none, and for the region of an address that may belong
// elsewhere: nothing the address book holds is lost.
QString completedFormat(QString format, const Values &v, bool keepRegion)
{
    const auto holds = [&format](char f) { return CountryFormat::Holds(format, QLatin1Char(f)); };
    if (!v.C.isEmpty() && !holds('C')) {
        const qsizetype a = format.indexOf(QStringLiteral("%A"));
        const qsizetype s = format.indexOf(QStringLiteral("%S"));
        if (a < 0)
            format += QStringLiteral("%n%C");
        else if (s >= 0 && s < a)
            format.insert(a, QStringLiteral("%C%n")); // big-endian: region, town, street
        else
            format.insert(a + 2, QStringLiteral("%n%C"));
    }
    if (!v.Z.isEmpty() && !holds('Z')) {
        const qsizetype c = format.indexOf(QStringLiteral("%C"));
        if (c >= 0)
            format.insert(c + 2, QStringLiteral(" %Z"));
        else
            format += QStringLiteral("%n%Z");
    }
    if (keepRegion && !v.S.isEmpty() && !holds('S')) {
        const qsizetype c = format.indexOf(QStringLiteral("%C"));
        if (c >= 0)
            format.insert(c + 2, QStringLiteral(" %S"));
        else
            format += QStringLiteral("%n%S");
    }
    return format;
}

// Fills a layout in. On each line a field's value comes after the text
// written just before it; that text goes when the field is empty, and a
// separator goes when nothing precedes it on the line ("%C, %S %Z" without a
// town gives "NV 89301"). Street lines beyond the first are lines of their own.
QStringList fill(const QString &format, const Values &v)
{
    QStringList out;
    for (const QString &lineFormat : format.split(QStringLiteral("%n"))) {
        QString line;
        QString literal;
        bool fieldSeen = false;
        for (qsizetype i = 0; i < lineFormat.size(); ++i) {
            if (lineFormat[i] != u'%' || i + 1 >= lineFormat.size()) {
                literal.append(lineFormat[i]);
                continue;
            }
            const QChar f = lineFormat[++i];
            QStringList values;
            switch (f.unicode()) {
            case 'N':
                values = {v.N};
                break;
            case 'O':
                values = {v.O};
                break;
            case 'A':
                values = v.A;
                break;
            case 'C':
                values = {v.C};
                break;
            case 'S':
                values = {v.S};
                break;
            case 'Z':
                values = {v.Z};
                break;
            default:
                break; // D and X: the address book has no such parts
            }
            values.removeAll(QString());
            if (!values.isEmpty()) {
                if (!line.isEmpty() || !fieldSeen)
                    line += literal;
                for (qsizetype k = 0; k + 1 < values.size(); ++k) {
                    out.append((line + values[k]).trimmed());
                    line.clear();
                }
                line += values.last();
            }
            literal.clear();
            fieldSeen = true;
        }
        if (!line.isEmpty() && !literal.trimmed().isEmpty())
            line += literal;
        out.append(line.trimmed());
    }
    out.removeAll(QString());
    return out;
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

bool HasUsableParts(const PostalAddress &address, const QString &homeCountry)
{
    const QString home = homeCode(homeCountry);
    const Destination d = destinationOf(address, home);
    const bool street = !streetLines(address, d.Code).isEmpty();
    const bool town = !oneLine(address.Locality).isEmpty();
    if (!street && !town)
        return false;
    const CountryFormat &cf = CountryFormatOf(d.Code);
    return (street || !cf.Requires(u'A')) && (town || !cf.Requires(u'C')) &&
           (!oneLine(address.Region).isEmpty() || !cf.Requires(u'S')) &&
           (!oneLine(address.PostalCode).isEmpty() || !cf.Requires(u'Z'));
}

QStringList FormatAddressParts(const PostalAddress &address, const QString &homeCountry, const QString &name,
                               const QString &organization)
{
    const QString home = homeCode(homeCountry);
    const Destination d = destinationOf(address, home);
    const CountryFormat &cf = CountryFormatOf(d.Code);

    Values v;
    v.N = oneLine(name);
    v.O = oneLine(organization);
    v.A = streetLines(address, d.Code);
    v.C = oneLine(address.Locality);
    v.S = oneLine(address.Region);
    v.Z = oneLine(address.PostalCode);

    QString format = cf.Format;
    if (!cf.LatinFormat.isEmpty() && allLatin(QStringList{v.N, v.O, v.C, v.S} + v.A))
        format = cf.LatinFormat;
    if (!cf.PostPrefix.isEmpty()) {
        // The prefix is for mail from abroad; a code written with it already keeps its own.
        if (v.Z.startsWith(cf.PostPrefix, Qt::CaseInsensitive) || !d.Abroad)
            format.replace(cf.PostPrefix + QStringLiteral("%Z"), QStringLiteral("%Z"));
    }
    if (d.Abroad) {
        const auto upper = [&cf, &d](QChar f, QString &value) {
            if (cf.InCapitals(f))
                value = UpperCase(value, d.Code);
        };
        upper(u'N', v.N);
        upper(u'O', v.O);
        upper(u'C', v.C);
        upper(u'S', v.S);
        upper(u'Z', v.Z);
        if (cf.InCapitals(u'A'))
            for (QString &line : v.A)
                line = UpperCase(line, d.Code);
    }
    QStringList lines = fill(completedFormat(format, v, !d.Named), v);
    if (d.Abroad)
        lines.append(countryLineOf(d, home));
    return lines;
}

QStringList LabelLines(const PostalAddress &address, const QString &homeCountry)
{
    const QString home = homeCode(homeCountry);
    QStringList lines = VisibleLines(address.Label);
    if (lines.isEmpty())
        return lines;
    Destination d = destinationOf(address, home);
    const QString named = CountryCode(lines.last());
    if (!named.isEmpty()) {
        lines.removeLast();
        if (!d.Named) {
            d.Code = named;
            d.Named = true;
            d.Abroad = named != home;
        }
    }
    if (d.Abroad)
        lines.append(countryLineOf(d, home));
    return lines;
}

QStringList AddressLines(const PostalAddress &address, const QString &homeCountry)
{
    if (HasUsableParts(address, homeCountry))
        return FormatAddressParts(address, homeCountry);
    const QStringList label = LabelLines(address, homeCountry);
    return label.isEmpty() ? FormatAddressParts(address, homeCountry) : label;
}

QString AddressSummary(const PostalAddress &address, const QString &homeCountry)
{
    return AddressLines(address, homeCountry).join(QStringLiteral(", "));
}

} // namespace zentrope
