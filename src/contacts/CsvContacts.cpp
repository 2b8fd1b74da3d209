#include "contacts/CsvContacts.h"

#include "contacts/TextDecoding.h"
#include "settings/QevIniFile.h"

#include <QCryptographicHash>
#include <QMap>
#include <QRegularExpression>

namespace zentrope {

namespace {

// Where one address's parts are in a row.
struct AddressColumns {
    QList<int> Street; // lines in this order
    int Extended = -1;
    int PoBox = -1;
    int City = -1;
    int Region = -1;
    int PostalCode = -1;
    int Country = -1;
    int Formatted = -1; // a whole address, used when the parts are empty
    int Type = -1;      // Google's "Home", "* Work", or the user's word
    bool Home = false;
    bool Work = false;

    bool Used() const
    {
        bool street = false;
        for (int c : Street)
            street = street || c >= 0;
        return street || Extended >= 0 || PoBox >= 0 || City >= 0 || Region >= 0 || PostalCode >= 0 ||
               Country >= 0 || Formatted >= 0;
    }
};

struct Layout {
    CsvPreset Preset = CsvPreset::None;
    int FullName = -1;
    int Given = -1;
    int Middle = -1;
    int Family = -1;
    int Prefix = -1;
    int Suffix = -1;
    int Org = -1;
    QList<AddressColumns> Addresses;
    bool MultiValue = false; // Google's " ::: "
};

class HeaderKeys {
public:
    explicit HeaderKeys(const QStringList &header)
    {
        for (const QString &cell : header)
            m_keys.append(FoldedKey(cell));
    }
    // The first column whose key is one of these, or -1.
    int find(std::initializer_list<QString> keys) const
    {
        for (int i = 0; i < m_keys.size(); ++i)
            for (const QString &k : keys)
                if (m_keys[i] == k)
                    return i;
        return -1;
    }
    int find(const QString &key) const { return find({key}); }
    const QStringList &keys() const { return m_keys; }

private:
    QStringList m_keys;
};

bool googleLayout(const HeaderKeys &h, Layout &l)
{
    static const QRegularExpression re(QStringLiteral(
        "^address(\\d+)(type|label|formatted|street|city|pobox|region|postalcode|country|extendedaddress)$"));
    QMap<int, AddressColumns> byNumber;
    bool found = false;
    for (int i = 0; i < h.keys().size(); ++i) {
        const auto m = re.match(h.keys()[i]);
        if (!m.hasMatch())
            continue;
        AddressColumns &a = byNumber[m.captured(1).toInt()];
        const QString field = m.captured(2);
        if (field == u"type" || field == u"label")
            a.Type = i;
        else if (field == u"formatted")
            a.Formatted = i;
        else if (field == u"street")
            a.Street = {i};
        else if (field == u"city")
            a.City = i;
        else if (field == u"pobox")
            a.PoBox = i;
        else if (field == u"region")
            a.Region = i;
        else if (field == u"postalcode")
            a.PostalCode = i;
        else if (field == u"country")
            a.Country = i;
        else
            a.Extended = i;
        found = found || field == u"street" || field == u"formatted" || field == u"city" ||
                field == u"postalcode";
    }
    if (!found)
        return false;
    l.Preset = CsvPreset::GoogleContacts;
    l.MultiValue = true;
    l.FullName = h.find(QStringLiteral("name"));
    l.Given = h.find({QStringLiteral("givenname"), QStringLiteral("firstname")});
    l.Middle = h.find({QStringLiteral("additionalname"), QStringLiteral("middlename")});
    l.Family = h.find({QStringLiteral("familyname"), QStringLiteral("lastname")});
    l.Prefix = h.find(QStringLiteral("nameprefix"));
    l.Suffix = h.find(QStringLiteral("namesuffix"));
    l.Org = h.find({QStringLiteral("organization1name"), QStringLiteral("organizationname")});
    for (const AddressColumns &a : byNumber)
        l.Addresses.append(a);
    return true;
}

bool outlookLayout(const HeaderKeys &h, Layout &l)
{
    if (h.find({QStringLiteral("homestreet"), QStringLiteral("businessstreet"),
                QStringLiteral("otherstreet")}) < 0)
        return false;
    l.Preset = CsvPreset::Outlook;
    l.Given = h.find(QStringLiteral("firstname"));
    l.Middle = h.find(QStringLiteral("middlename"));
    l.Family = h.find(QStringLiteral("lastname"));
    l.Prefix = h.find(QStringLiteral("title"));
    l.Suffix = h.find(QStringLiteral("suffix"));
    l.Org = h.find(QStringLiteral("company"));
    for (const QString &p : {QStringLiteral("home"), QStringLiteral("business"), QStringLiteral("other")}) {
        AddressColumns a;
        a.Street = {h.find(p + QLatin1String("street")), h.find(p + QLatin1String("street2")),
                    h.find(p + QLatin1String("street3"))};
        a.PoBox = h.find({p + QLatin1String("addresspobox"), p + QLatin1String("pobox")});
        a.City = h.find(p + QLatin1String("city"));
        a.Region = h.find(p + QLatin1String("state"));
        a.PostalCode = h.find(p + QLatin1String("postalcode"));
        a.Country = h.find({p + QLatin1String("countryregion"), p + QLatin1String("country")});
        a.Formatted = h.find(p + QLatin1String("address"));
        a.Home = p == u"home";
        a.Work = p == u"business";
        l.Addresses.append(a);
    }
    return true;
}

// Thunderbird writes its headers in the user's language; English and German.
bool thunderbirdLayout(const HeaderKeys &h, Layout &l)
{
    struct Words {
        const char16_t *home, *work, *street, *city, *region, *postal, *country;
    };
    static const Words english = {u"home", u"work", u"address", u"city", u"state", u"zipcode", u"country"};
    static const Words german = {u"privat",     u"dienstlich", u"adresse", u"ort",
                                 u"bundesland", u"plz",        u"land"};
    const Words *w = nullptr;
    if (h.find({QStringLiteral("homezipcode"), QStringLiteral("workzipcode")}) >= 0)
        w = &english;
    else if (h.find({QStringLiteral("privatplz"), QStringLiteral("dienstlichplz"),
                     QStringLiteral("privatadresse"), QStringLiteral("dienstlichadresse")}) >= 0)
        w = &german;
    if (!w)
        return false;
    l.Preset = CsvPreset::Thunderbird;
    l.FullName = h.find({QStringLiteral("displayname"), QStringLiteral("anzeigename")});
    l.Given = h.find({QStringLiteral("firstname"), QStringLiteral("vorname")});
    l.Family = h.find({QStringLiteral("lastname"), QStringLiteral("nachname")});
    l.Org = h.find({QStringLiteral("organization"), QStringLiteral("organisation"), QStringLiteral("firma")});
    for (const char16_t *kind : {w->home, w->work}) {
        const QString p = QString::fromUtf16(kind);
        const QString street = p + QString::fromUtf16(w->street);
        AddressColumns a;
        a.Street = {h.find(street), h.find(street + QLatin1String("2"))};
        a.City = h.find(p + QString::fromUtf16(w->city));
        a.Region = h.find(p + QString::fromUtf16(w->region));
        a.PostalCode = h.find(p + QString::fromUtf16(w->postal));
        a.Country = h.find(p + QString::fromUtf16(w->country));
        a.Home = kind == w->home;
        a.Work = kind == w->work;
        l.Addresses.append(a);
    }
    return true;
}

Layout recognize(const QStringList &header)
{
    const HeaderKeys h(header);
    Layout l;
    if (googleLayout(h, l) || outlookLayout(h, l) || thunderbirdLayout(h, l))
        return l;
    return Layout();
}

class RowReader {
public:
    RowReader(const QStringList &row, bool multiValue) : m_row(row), m_multiValue(multiValue) {}
    QString operator()(int column) const
    {
        if (column < 0 || column >= m_row.size())
            return QString();
        QString text = m_row[column];
        if (m_multiValue)
            text.replace(QStringLiteral(" ::: "), QStringLiteral("\n"));
        return text.trimmed();
    }

private:
    const QStringList &m_row;
    bool m_multiValue;
};

void applyType(PostalAddress &a, const QString &cell)
{
    const auto words = QStringView(cell).split(u'\n');
    for (QStringView word : words) {
        word = word.trimmed();
        if (word.startsWith(u'*')) {
            a.Preference = 1;
            word = word.sliced(1).trimmed();
        }
        if (word.compare(u"home", Qt::CaseInsensitive) == 0)
            a.Home = true;
        else if (word.compare(u"work", Qt::CaseInsensitive) == 0)
            a.Work = true;
        else if (!word.isEmpty() && word.compare(u"other", Qt::CaseInsensitive) != 0 && a.Caption.isEmpty())
            a.Caption = word.toString();
    }
}

Contact contactOf(const QStringList &row, const Layout &l)
{
    const RowReader cell(row, l.MultiValue);
    Contact c;
    c.FormattedName = cell(l.FullName);
    c.GivenName = cell(l.Given);
    c.AdditionalNames = cell(l.Middle);
    c.FamilyName = cell(l.Family);
    c.Prefix = cell(l.Prefix);
    c.Suffix = cell(l.Suffix);
    c.Organization = cell(l.Org);
    for (const AddressColumns &columns : l.Addresses) {
        PostalAddress a;
        QStringList street;
        for (int column : columns.Street) {
            const QString line = cell(column);
            if (!line.isEmpty())
                street.append(line);
        }
        a.Street = street.join(QLatin1Char('\n'));
        a.Extended = cell(columns.Extended);
        a.PoBox = cell(columns.PoBox);
        a.Locality = cell(columns.City);
        a.Region = cell(columns.Region);
        a.PostalCode = cell(columns.PostalCode);
        a.Country = cell(columns.Country);
        // A formatted whole stands in for the parts only when there are none:
        // Google and Outlook build it from the parts themselves.
        if (a.IsEmpty())
            a.Label = cell(columns.Formatted);
        if (a.IsEmpty())
            continue;
        a.Home = columns.Home;
        a.Work = columns.Work;
        applyType(a, cell(columns.Type));
        c.Addresses.append(a);
    }
    return c;
}

ContactList contactsOf(const CsvTable &table, const Layout &l)
{
    ContactList out;
    out.Unreadable = table.Unreadable;
    if (l.Preset == CsvPreset::None && l.Addresses.isEmpty() && l.FullName < 0 && l.Org < 0)
        return out;
    out.Contacts.reserve(table.Rows.size());
    for (const QStringList &row : table.Rows) {
        Contact c = contactOf(row, l);
        if (!c.IsEmpty())
            out.Contacts.append(std::move(c));
    }
    return out;
}

// Words that name a column in the headers people write, English and German.
struct Guess {
    int ColumnMapping::*field;
    QStringList exact;
    QStringList contains;
};

} // namespace

QString CsvPresetName(CsvPreset preset)
{
    switch (preset) {
    case CsvPreset::GoogleContacts:
        return QStringLiteral("Google Contacts");
    case CsvPreset::Outlook:
        return QStringLiteral("Outlook");
    case CsvPreset::Thunderbird:
        return QStringLiteral("Thunderbird");
    case CsvPreset::None:
        break;
    }
    return QString();
}

bool ColumnMapping::IsEmpty() const
{
    return Name < 0 && Company < 0 && Street < 0 && Extra < 0 && City < 0 && Region < 0 && PostalCode < 0 &&
           Country < 0;
}

bool ColumnMapping::FitsHeader(qsizetype columns) const
{
    for (int c : {Name, Company, Street, Extra, City, Region, PostalCode, Country})
        if (c < -1 || c >= columns)
            return false;
    return true;
}

CsvPreset RecognizeCsvHeader(const QStringList &header)
{
    return recognize(header).Preset;
}

ContactList CsvContacts(const CsvTable &table)
{
    return contactsOf(table, recognize(table.Header));
}

ContactList CsvContacts(const CsvTable &table, const ColumnMapping &mapping)
{
    Layout l;
    l.FullName = mapping.Name;
    l.Org = mapping.Company;
    AddressColumns a;
    a.Street = {mapping.Street, mapping.Extra};
    a.City = mapping.City;
    a.Region = mapping.Region;
    a.PostalCode = mapping.PostalCode;
    a.Country = mapping.Country;
    if (a.Used())
        l.Addresses.append(a);
    return contactsOf(table, l);
}

ColumnMapping GuessColumnMapping(const QStringList &header)
{
    const HeaderKeys h(header);
    // Exact words first for every part, then words inside longer headers, the
    // more particular parts first ("address 2" before "address").
    static const QList<Guess> guesses = {
        {&ColumnMapping::Company,
         {"company", "organization", "organisation", "firma", "unternehmen", "org", "companyname"},
         {"company", "organi", "firma"}},
        {&ColumnMapping::Extra,
         {"address2", "addressline2", "street2", "adresszusatz", "zusatz", "adresse2", "strasse2"},
         {"address2", "line2", "zusatz", "street2"}},
        {&ColumnMapping::Street,
         {"street", "address", "streetaddress", "address1", "addressline1", "strasse", "adresse", "anschrift",
          "strasseundhausnummer"},
         {"street", "strasse", "address", "adresse", "anschrift"}},
        {&ColumnMapping::PostalCode,
         {"zip", "zipcode", "postalcode", "postcode", "plz", "postleitzahl", "codepostal"},
         {"zip", "postal", "postcode", "plz", "postleitzahl"}},
        {&ColumnMapping::City,
         {"city", "town", "ort", "stadt", "wohnort", "locality", "ville"},
         {"city", "town", "stadt"}},
        {&ColumnMapping::Region,
         {"state", "region", "province", "county", "bundesland", "kanton", "stateprovince"},
         {"state", "region", "province", "bundesland"}},
        {&ColumnMapping::Country, {"country", "land", "countryregion", "staat", "pays"}, {"country"}},
        {&ColumnMapping::Name,
         {"name", "fullname", "displayname", "anzeigename", "contact", "kontakt", "vollstandigername"},
         {"name"}},
    };
    ColumnMapping m;
    QList<bool> taken(header.size(), false);
    for (const Guess &g : guesses) {
        for (int i = 0; i < h.keys().size() && m.*g.field < 0; ++i)
            if (!taken[i] && g.exact.contains(h.keys()[i])) {
                taken[i] = true;
                m.*g.field = i;
            }
    }
    for (const Guess &g : guesses) {
        for (int i = 0; i < h.keys().size() && m.*g.field < 0; ++i) {
            if (taken[i])
                continue;
            for (const QString &word : g.contains)
                if (h.keys()[i].contains(word)) {
                    taken[i] = true;
                    m.*g.field = i;
                    break;
                }
        }
    }
    return m;
}

QString ImportMappingKey(const QStringList &header)
{
    QStringList cells;
    for (const QString &c : header)
        cells.append(c.trimmed());
    const QByteArray hash =
        QCryptographicHash::hash(cells.join(QChar(0x1F)).toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(16));
}

bool LoadImportMapping(const TQevIniFile &settings, const QStringList &header, ColumnMapping &mapping)
{
    const QString value =
        settings.ReadString(QString::fromLatin1(ImportMappingSection), ImportMappingKey(header), QString());
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 8)
        return false;
    int columns[8];
    for (int i = 0; i < 8; ++i) {
        bool ok = false;
        columns[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    const ColumnMapping m{columns[0], columns[1], columns[2], columns[3],
                          columns[4], columns[5], columns[6], columns[7]};
    if (m.IsEmpty() || !m.FitsHeader(header.size()))
        return false;
    mapping = m;
    return true;
}

void SaveImportMapping(TQevIniFile &settings, const QStringList &header, const ColumnMapping &mapping)
{
    QStringList parts;
    for (int c : {mapping.Name, mapping.Company, mapping.Street, mapping.Extra, mapping.City, mapping.Region,
                  mapping.PostalCode, mapping.Country})
        parts.append(QString::number(c));
    settings.WriteString(QString::fromLatin1(ImportMappingSection), ImportMappingKey(header),
                         parts.join(QLatin1Char(',')));
}

} // namespace zentrope
