#include "contacts/VCard.h"

#include "contacts/TextDecoding.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <algorithm>
#include <utility>

namespace zentrope {

namespace {

struct Param {
    QByteArray Name; // upper case; "TYPE" or "ENCODING" for the bare words of 2.1
    QByteArray Value;
};

struct Property {
    QByteArray Group; // lower case
    QByteArray Name;  // upper case
    QList<Param> Params;
    QByteArray Value; // as written, before any decoding
};

bool equalsNoCase(QByteArrayView a, QByteArrayView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Walks the physical lines of a text without copying them: CR LF, LF and a
// lone CR each end one.
class PhysicalLines {
public:
    explicit PhysicalLines(const QByteArray &bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}
    bool next(QByteArrayView &line)
    {
        if (m_pos >= m_size)
            return false;
        const qsizetype start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != '\n' && m_data[m_pos] != '\r')
            ++m_pos;
        line = QByteArrayView(m_data + start, m_pos - start);
        if (m_pos < m_size && m_data[m_pos] == '\r')
            ++m_pos;
        else if (m_pos < m_size)
            ++m_pos;
        if (m_pos < m_size && m_data[m_pos - 1] == '\r' && m_data[m_pos] == '\n')
            ++m_pos;
        return true;
    }

private:
    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

// Where the name and parameters end: the first colon outside double quotes
// (a quoted 4.0 parameter such as LABEL may hold colons), else the first colon.
qsizetype valueColon(QByteArrayView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == ':' && !quoted)
            return i;
    }
    return line.indexOf(':');
}

bool isQuotedPrintable(QByteArrayView line)
{
    const qsizetype colon = valueColon(line);
    if (colon < 0)
        return false;
    const QByteArray head = line.first(colon).toByteArray().toUpper();
    return head.contains("QUOTED-PRINTABLE");
}

// Splits at a separator outside double quotes.
QList<QByteArrayView> splitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArrayView> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    parts.append(text.sliced(start));
    return parts;
}

QByteArray unquote(QByteArrayView v)
{
    v = v.trimmed();
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.sliced(1, v.size() - 2);
    return v.toByteArray();
}

// Returns false for a line that is no property.
bool parseProperty(QByteArrayView line, Property &p)
{
    const qsizetype colon = valueColon(line);
    if (colon <= 0)
        return false;
    p.Value = line.sliced(colon + 1).toByteArray();
    const QList<QByteArrayView> head = splitOutsideQuotes(line.first(colon), ';');
    QByteArrayView name = head.first().trimmed();
    const qsizetype dot = name.lastIndexOf('.');
    if (dot >= 0) {
        p.Group = name.first(dot).toByteArray().toLower();
        name = name.sliced(dot + 1);
    }
    if (name.isEmpty())
        return false;
    p.Name = name.toByteArray().toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QByteArrayView item = head[i].trimmed();
        if (item.isEmpty())
            continue;
        const qsizetype eq = item.indexOf('=');
        if (eq >= 0) {
            p.Params.append({item.first(eq).trimmed().toByteArray().toUpper(), unquote(item.sliced(eq + 1))});
        } else {
            // vCard 2.1 writes the value alone: an encoding or a type.
            const QByteArray word = item.toByteArray().toUpper();
            const bool encoding = word == "QUOTED-PRINTABLE" || word == "BASE64" || word == "8BIT" ||
                                  word == "7BIT" || word == "B";
            p.Params.append({encoding ? QByteArray("ENCODING") : QByteArray("TYPE"), word});
        }
    }
    return true;
}

QByteArray paramValue(const Property &p, QByteArrayView name)
{
    for (const Param &param : p.Params)
        if (param.Name == name)
            return param.Value;
    return QByteArray();
}

bool hasParam(const Property &p, QByteArrayView name)
{
    for (const Param &param : p.Params)
        if (param.Name == name)
            return true;
    return false;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Quoted-printable to bytes; an "=" that starts no code stays as it is.
QByteArray decodeQuotedPrintable(const QByteArray &in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '=' && i + 2 < in.size() && hexDigit(in[i + 1]) >= 0 && hexDigit(in[i + 2]) >= 0) {
            out.append(char(hexDigit(in[i + 1]) * 16 + hexDigit(in[i + 2])));
            i += 2;
        } else if (in[i] == '=' && i + 1 == in.size()) {
            break; // a soft line break with nothing after it
        } else {
            out.append(in[i]);
        }
    }
    return out;
}

// The value as text: its transfer encoding undone, then its character set.
// Returns false for binary values (a photo, a sound).
bool valueText(const Property &p, QString &text)
{
    const QByteArray encoding = paramValue(p, "ENCODING").toUpper();
    QByteArray bytes = p.Value;
    if (encoding == "QUOTED-PRINTABLE")
        bytes = decodeQuotedPrintable(bytes);
    else if (encoding == "B" || encoding == "BASE64")
        return false;
    text = DecodeCharset(bytes, paramValue(p, "CHARSET"));
    if (text.contains(QLatin1Char('\r'))) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    return true;
}

// Undoes the backslash escapes of RFC 6350 (\n \N \, \; \\, and \: which some
// writers use); any other backslash stays.
QString unescape(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'n' || next == u'N') {
                out.append(QLatin1Char('\n'));
                ++i;
                continue;
            }
            if (next == u',' || next == u';' || next == u'\\' || next == u':') {
                out.append(next);
                ++i;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

// The parts of a structured value (N, ADR, ORG), split at semicolons that are
// not escaped, each unescaped and trimmed.
QStringList components(const QString &text)
{
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\')
            ++i;
        else if (text[i] == u';') {
            parts.append(unescape(QStringView(text).sliced(start, i - start)).trimmed());
            start = i + 1;
        }
    }
    parts.append(unescape(QStringView(text).sliced(std::min(start, text.size()))).trimmed());
    return parts;
}

// A parameter value as text: RFC 6868's ^n ^^ ^' and the backslash escapes.
QString paramText(const QByteArray &bytes)
{
    const QString raw = DecodeCharset(bytes, "UTF-8");
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'^' && i + 1 < raw.size()) {
            const QChar next = raw[i + 1];
            if (next == u'n' || next == u'N') {
                out.append(QLatin1Char('\n'));
                ++i;
                continue;
            }
            if (next == u'^' || next == u'\'') {
                out.append(next == u'^' ? QLatin1Char('^') : QLatin1Char('"'));
                ++i;
                continue;
            }
        }
        out.append(raw[i]);
    }
    return unescape(out).trimmed();
}

struct Kind {
    bool Home = false;
    bool Work = false;
    int Preference = 0;
};

Kind kindOf(const Property &p)
{
    Kind k;
    for (const Param &param : p.Params) {
        if (param.Name == "TYPE") {
            for (QByteArrayView t : splitOutsideQuotes(param.Value, ',')) {
                const QByteArray type = unquote(t).toLower();
                if (type == "home")
                    k.Home = true;
                else if (type == "work")
                    k.Work = true;
                else if (type == "pref" && k.Preference == 0)
                    k.Preference = 1;
            }
        } else if (param.Name == "PREF") {
            bool ok = false;
            const int pref = param.Value.trimmed().toInt(&ok);
            k.Preference = ok ? std::clamp(pref, 1, 100) : 1;
        }
    }
    return k;
}

struct PendingLabel {
    QByteArray Group;
    Kind Type;
    QString Text;
};

// One card being read.
class CardBuilder {
public:
    void add(const Property &p);
    Contact finish();

private:
    Contact m_contact;
    QList<QByteArray> m_groups; // the group of each address
    QList<PendingLabel> m_labels;
    QList<std::pair<QByteArray, QString>> m_captions;
    int m_outlookDefault = 0;
};

void CardBuilder::add(const Property &p)
{
    QString text;
    if (p.Name == "FN") {
        if (valueText(p, text))
            m_contact.FormattedName = unescape(text).trimmed();
    } else if (p.Name == "N") {
        if (!valueText(p, text))
            return;
        const QStringList n = components(text);
        m_contact.FamilyName = n.value(0);
        m_contact.GivenName = n.value(1);
        m_contact.AdditionalNames = n.value(2);
        m_contact.Prefix = n.value(3);
        m_contact.Suffix = n.value(4);
    } else if (p.Name == "ORG") {
        if (valueText(p, text) && m_contact.Organization.isEmpty())
            m_contact.Organization = components(text).value(0);
    } else if (p.Name == "ADR") {
        if (!valueText(p, text))
            return;
        const QStringList c = components(text);
        PostalAddress a;
        const Kind k = kindOf(p);
        a.Home = k.Home;
        a.Work = k.Work;
        a.Preference = k.Preference;
        a.PoBox = c.value(0);
        a.Extended = c.value(1);
        a.Street = c.value(2);
        a.Locality = c.value(3);
        a.Region = c.value(4);
        a.PostalCode = c.value(5);
        a.Country = c.value(6);
        if (hasParam(p, "LABEL"))
            a.Label = paramText(paramValue(p, "LABEL"));
        m_contact.Addresses.append(a);
        m_groups.append(p.Group);
    } else if (p.Name == "LABEL") {
        if (valueText(p, text))
            m_labels.append({p.Group, kindOf(p), unescape(text).trimmed()});
    } else if (p.Name == "X-ABLABEL") {
        if (!p.Group.isEmpty() && valueText(p, text))
            m_captions.append({p.Group, unescape(text).trimmed()});
    } else if (p.Name == "X-MS-OL-DEFAULT-POSTAL-ADDRESS") {
        m_outlookDefault = p.Value.trimmed().toInt();
    }
}

Contact CardBuilder::finish()
{
    QList<PostalAddress> &addresses = m_contact.Addresses;

    // A LABEL property belongs to the ADR of its group, else to one of the same
    // kind that has none yet; a label of its own is an address too.
    for (const PendingLabel &label : m_labels) {
        if (label.Text.isEmpty())
            continue;
        int target = -1;
        for (int i = 0; i < addresses.size() && target < 0; ++i)
            if (!label.Group.isEmpty() && m_groups[i] == label.Group && addresses[i].Label.isEmpty())
                target = i;
        for (int i = 0; i < addresses.size() && target < 0; ++i)
            if (label.Group.isEmpty() && addresses[i].Label.isEmpty() &&
                addresses[i].Home == label.Type.Home && addresses[i].Work == label.Type.Work)
                target = i;
        if (target < 0) {
            PostalAddress a;
            a.Home = label.Type.Home;
            a.Work = label.Type.Work;
            a.Preference = label.Type.Preference;
            addresses.append(a);
            m_groups.append(label.Group);
            target = int(addresses.size()) - 1;
        }
        addresses[target].Label = label.Text;
        if (addresses[target].Preference == 0)
            addresses[target].Preference = label.Type.Preference;
    }

    // Apple's captions: its own words for the plain kinds, else the user's.
    for (const auto &[group, caption] : m_captions) {
        for (int i = 0; i < addresses.size(); ++i) {
            if (m_groups[i] != group)
                continue;
            if (caption.startsWith(QStringLiteral("_$!<")) && caption.endsWith(QStringLiteral(">!$_"))) {
                const QString word = caption.mid(4, caption.size() - 8);
                if (word.compare(QStringLiteral("Home"), Qt::CaseInsensitive) == 0)
                    addresses[i].Home = true;
                else if (word.compare(QStringLiteral("Work"), Qt::CaseInsensitive) == 0)
                    addresses[i].Work = true;
                else if (word.compare(QStringLiteral("Other"), Qt::CaseInsensitive) != 0)
                    addresses[i].Caption = word;
            } else {
                addresses[i].Caption = caption;
            }
        }
    }

    // Outlook names its mailing address apart: 1 home, 2 business, 3 other.
    bool anyPreferred = false;
    for (const PostalAddress &a : addresses)
        anyPreferred = anyPreferred || a.Preferred();
    if (!anyPreferred && m_outlookDefault >= 1 && m_outlookDefault <= 3) {
        for (PostalAddress &a : addresses) {
            if ((m_outlookDefault == 1 && a.Home) || (m_outlookDefault == 2 && a.Work) ||
                (m_outlookDefault == 3 && a.Other())) {
                a.Preference = 1;
                break;
            }
        }
    }

    QList<PostalAddress> kept;
    for (const PostalAddress &a : addresses)
        if (!a.IsEmpty())
            kept.append(a);
    addresses = kept;
    return m_contact;
}

bool isEndOfCard(QByteArrayView line)
{
    return equalsNoCase(line.trimmed(), "END:VCARD");
}

bool isBeginOfCard(QByteArrayView line)
{
    return equalsNoCase(line.trimmed(), "BEGIN:VCARD");
}

// Properties whose text can reach an envelope, so their length is bounded.
bool keptAsText(const QByteArray &name)
{
    return name == "FN" || name == "N" || name == "ORG" || name == "ADR" || name == "LABEL" ||
           name == "X-ABLABEL";
}

// Whether a line opens a property of its own: a known name or an extension
// ("X-..."), after an optional group, followed by parameters or the value.
bool opensProperty(QByteArrayView line)
{
    static const QList<QByteArray> known = {
        "BEGIN",       "END",     "VERSION",     "FN",     "N",     "NICKNAME", "PHOTO",        "BDAY",
        "ANNIVERSARY", "GENDER",  "ADR",         "LABEL",  "TEL",   "EMAIL",    "IMPP",         "LANG",
        "TZ",          "GEO",     "TITLE",       "ROLE",   "LOGO",  "ORG",      "MEMBER",       "RELATED",
        "CATEGORIES",  "NOTE",    "PRODID",      "REV",    "SOUND", "UID",      "CLIENTPIDMAP", "URL",
        "KEY",         "FBURL",   "CALADRURI",   "CALURI", "XML",   "AGENT",    "CLASS",        "MAILER",
        "NAME",        "PROFILE", "SORT-STRING", "SOURCE", "KIND"};
    qsizetype end = 0;
    while (end < line.size() && line[end] != ':' && line[end] != ';')
        ++end;
    if (end == 0 || end == line.size())
        return false;
    QByteArrayView name = line.first(end);
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0)
        name = name.sliced(dot + 1);
    const QByteArray upper = name.toByteArray().toUpper();
    return upper.startsWith("X-") || known.contains(upper);
}

// A value that ends in a backslash nobody escaped: old Android phones wrote a
// line break in a value that way.
bool endsWithOpenBackslash(const QByteArray &logical)
{
    qsizetype n = 0;
    for (qsizetype i = logical.size() - 1; i >= 0 && logical[i] == '\\'; --i)
        ++n;
    return n % 2 == 1;
}

[[noreturn]] void lineTooLong()
{
    throw ZentropeError(QCoreApplication::translate("zentrope::AddressFile", "Text exceeds memo capacity."));
}

} // namespace

bool LooksLikeVCard(const QByteArray &bytes)
{
    const QByteArray text = ImportedBytes(bytes);
    PhysicalLines lines(text);
    QByteArrayView line;
    while (lines.next(line)) {
        if (line.trimmed().isEmpty())
            continue;
        return isBeginOfCard(line);
    }
    return false;
}

ContactList ReadVCards(const QByteArray &input)
{
    const QByteArray bytes = ImportedBytes(input);

    ContactList result;
    ReadCounts &counts = result.Counts;
    bool inCard = false;
    CardBuilder card;

    auto handle = [&](QByteArrayView line) {
        if (isBeginOfCard(line)) {
            // A card opened before the last one was closed: that one is cut off.
            if (inCard)
                ++counts.NotClosed;
            inCard = true;
            card = CardBuilder();
            return;
        }
        if (!inCard)
            return;
        const bool full = result.Contacts.size() >= ContactCapacity;
        if (isEndOfCard(line)) {
            inCard = false;
            if (full) {
                ++counts.BeyondCapacity;
                return;
            }
            Contact contact = card.finish();
            if (contact.IsEmpty())
                ++counts.Empty;
            else
                result.Contacts.append(std::move(contact));
            return;
        }
        if (full)
            return;
        Property p;
        if (!parseProperty(line, p)) {
            // One damaged line costs that line, not the card.
            ++counts.DamagedLines;
            return;
        }
        if (keptAsText(p.Name) && p.Value.size() > ContactLineCapacity)
            lineTooLong();
        card.add(p);
    };

    // Unfolding works on bytes, so a fold inside a multi-byte character is
    // joined up before any decoding.
    QByteArray logical;
    bool haveLogical = false;
    int quotedPrintable = -1; // whether the logical line is quoted-printable; -1 not yet known
    PhysicalLines lines(bytes);
    QByteArrayView line;
    while (lines.next(line)) {
        // Blank lines (writers that end lines with CR CR LF leave one after
        // each) neither end a value nor interrupt its folding.
        if (line.trimmed().isEmpty())
            continue;
        const bool cardLine = isEndOfCard(line) || isBeginOfCard(line);
        // Quoted-printable: "=" at the end of a line continues the value on the
        // next line as it stands (writers do not indent it); a line that opens
        // or closes a card is never taken in.
        if (haveLogical && logical.endsWith('=') && !cardLine) {
            if (quotedPrintable < 0)
                quotedPrintable = isQuotedPrintable(logical) ? 1 : 0;
            if (quotedPrintable == 1) {
                logical.chop(1);
                logical.append(line);
                continue;
            }
        }
        // A fold: the line break and the one blank or tab after it go.
        if (haveLogical && (line.front() == ' ' || line.front() == '\t')) {
            logical.append(line.sliced(1));
            continue;
        }
        // A backslash before the line break: the break belongs to the value.
        if (haveLogical && !cardLine && endsWithOpenBackslash(logical) && !opensProperty(line)) {
            logical.append('n');
            logical.append(line);
            continue;
        }
        if (haveLogical)
            handle(logical);
        logical = line.toByteArray();
        haveLogical = true;
        quotedPrintable = -1;
    }
    if (haveLogical)
        handle(logical);
    if (inCard)
        ++counts.NotClosed;
    return result;
}

} // namespace zentrope
