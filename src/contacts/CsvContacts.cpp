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
    // The first column whose key is one of these header texts (folded alike), or -1.
    int find(std::initializer_list<const char16_t *> texts) const
    {
        for (const char16_t *text : texts) {
            const QString k = FoldedKey(QString::fromUtf16(text));
            const int i = int(m_keys.indexOf(k));
            if (i >= 0)
                return i;
        }
        return -1;
    }
    const QStringList &keys() const { return m_keys; }

private:
    QStringList m_keys;
};

bool googleLayout(const HeaderKeys &h, Layout &l)
{
    // Google writes English headers; the same shape in the other languages
    // is read too ("Adresse 1 - Straße").
    static const QRegularExpression re(QStringLiteral(
        "^(?:address|adresse|direccion)(\\d+)(type|label|formatted|street|city|pobox|region|postalcode|"
        "country|"
        "extendedaddress|typ|tipo|etikett|libelle|etiqueta|strasse|rue|calle|ort|stadt|ville|ciudad|"
        "postleitzahl|codepostal|codigopostal|land|pays|pais|provincia|bundesland|postfach|boitepostale|"
        "apartadopostal)$"));
    static const QHash<QString, QString> field = {{"typ", "type"},
                                                  {"tipo", "type"},
                                                  {"etikett", "label"},
                                                  {"libelle", "label"},
                                                  {"etiqueta", "label"},
                                                  {"strasse", "street"},
                                                  {"rue", "street"},
                                                  {"calle", "street"},
                                                  {"ort", "city"},
                                                  {"stadt", "city"},
                                                  {"ville", "city"},
                                                  {"ciudad", "city"},
                                                  {"postleitzahl", "postalcode"},
                                                  {"codepostal", "postalcode"},
                                                  {"codigopostal", "postalcode"},
                                                  {"land", "country"},
                                                  {"pays", "country"},
                                                  {"pais", "country"},
                                                  {"provincia", "region"},
                                                  {"bundesland", "region"},
                                                  {"postfach", "pobox"},
                                                  {"boitepostale", "pobox"},
                                                  {"apartadopostal", "pobox"}};
    QMap<int, AddressColumns> byNumber;
    bool found = false;
    for (int i = 0; i < h.keys().size(); ++i) {
        const auto m = re.match(h.keys()[i]);
        if (!m.hasMatch())
            continue;
        AddressColumns &a = byNumber[m.captured(1).toInt()];
        const QString f = field.value(m.captured(2), m.captured(2));
        if (f == u"type" || f == u"label")
            a.Type = i;
        else if (f == u"formatted")
            a.Formatted = i;
        else if (f == u"street")
            a.Street = {i};
        else if (f == u"city")
            a.City = i;
        else if (f == u"pobox")
            a.PoBox = i;
        else if (f == u"region")
            a.Region = i;
        else if (f == u"postalcode")
            a.PostalCode = i;
        else if (f == u"country")
            a.Country = i;
        else
            a.Extended = i;
        found = found || f == u"street" || f == u"formatted" || f == u"city" || f == u"postalcode";
    }
    if (!found)
        return false;
    l.Preset = CsvPreset::GoogleContacts;
    l.MultiValue = true;
    l.FullName = h.find({u"Name"});
    l.Given = h.find({u"Given Name", u"First Name", u"Vorname", u"Prénom", u"Nombre"});
    l.Middle = h.find({u"Additional Name", u"Middle Name"});
    l.Family = h.find({u"Family Name", u"Last Name", u"Nachname", u"Nom de famille", u"Apellidos"});
    l.Prefix = h.find({u"Name Prefix"});
    l.Suffix = h.find({u"Name Suffix"});
    l.Org = h.find({u"Organization 1 - Name", u"Organization Name"});
    for (const AddressColumns &a : byNumber)
        l.Addresses.append(a);
    return true;
}

// Outlook writes its headers in the user's language; each part of each
// address by its English, German, French and Spanish names.
struct OutlookAddress {
    bool Home, Work;
    std::initializer_list<const char16_t *> Street, Street2, Street3, PoBox, City, State, PostalCode, Country,
        Formatted;
};

const OutlookAddress kOutlookAddresses[] = {
    {true,
     false,
     {u"Home Street", u"Straße privat", u"Rue (domicile)", u"Calle del domicilio"},
     {u"Home Street 2", u"Straße privat 2", u"Rue (domicile) 2", u"Calle del domicilio 2"},
     {u"Home Street 3", u"Straße privat 3", u"Rue (domicile) 3", u"Calle del domicilio 3"},
     {u"Home Address PO Box", u"Home PO Box", u"Postfach privat", u"Boîte postale du domicile",
      u"Boîte postale (domicile)", u"Apartado postal de la dirección personal"},
     {u"Home City", u"Ort privat", u"Ville (domicile)", u"Ciudad de residencia", u"Ciudad del domicilio"},
     {u"Home State", u"Bundesland/Kanton privat", u"Dép/Région (domicile)", u"Département (domicile)",
      u"Provincia o estado de residencia", u"Estado o provincia del domicilio"},
     {u"Home Postal Code", u"Postleitzahl privat", u"Code postal (domicile)", u"Código postal de residencia",
      u"Código postal del domicilio"},
     {u"Home Country/Region", u"Home Country", u"Land/Region privat", u"Pays/Région (domicile)",
      u"Pays (domicile)", u"País o región del domicilio"},
     {u"Home Address"}},
    {false,
     true,
     {u"Business Street", u"Straße geschäftlich", u"Rue (bureau)", u"Calle del trabajo"},
     {u"Business Street 2", u"Straße geschäftlich 2", u"Rue (bureau) 2", u"Calle del trabajo 2"},
     {u"Business Street 3", u"Straße geschäftlich 3", u"Rue (bureau) 3", u"Calle del trabajo 3"},
     {u"Business Address PO Box", u"Business PO Box", u"Postfach geschäftlich", u"B.P. professionnelle",
      u"Boîte postale (bureau)", u"Apartado postal de la dirección del trabajo"},
     {u"Business City", u"Ort geschäftlich", u"Ville (bureau)", u"Ciudad de trabajo", u"Ciudad del trabajo"},
     {u"Business State", u"Region geschäftlich", u"Dép/Région (bureau)", u"Département ou région (bureau)",
      u"Provincia o estado de trabajo", u"Estado o provincia del trabajo"},
     {u"Business Postal Code", u"Postleitzahl geschäftlich", u"Code postal (bureau)",
      u"Código postal del trabajo"},
     {u"Business Country/Region", u"Business Country", u"Land/Region geschäftlich", u"Pays/Région (bureau)",
      u"Pays (bureau)", u"País o región del trabajo"},
     {u"Business Address"}},
    {false,
     false,
     {u"Other Street", u"Weitere Straße", u"Rue (autre)", u"Otra calle"},
     {u"Other Street 2", u"Weitere Straße 2", u"Rue (autre) 2", u"Otra calle 2"},
     {u"Other Street 3", u"Weitere Straße 3", u"Rue (autre) 3", u"Otra calle 3"},
     {u"Other Address PO Box", u"Other PO Box", u"Weiteres Postfach", u"Autre boîte postale",
      u"Otro apartado postal"},
     {u"Other City", u"Weiterer Ort", u"Ville (autre)", u"Otra ciudad"},
     {u"Other State", u"Weiteres/r Bundesland/Kanton", u"Dép/Région (autre)", u"Otra provincia o estado"},
     {u"Other Postal Code", u"Weitere Postleitzahl", u"Code postal (autre)", u"Otro código postal"},
     {u"Other Country/Region", u"Other Country", u"Weiteres/e Land/Region", u"Pays/Région (autre)",
      u"Otro país o región"},
     {u"Other Address"}},
};

bool outlookLayout(const HeaderKeys &h, Layout &l)
{
    QList<AddressColumns> addresses;
    bool street = false;
    for (const OutlookAddress &o : kOutlookAddresses) {
        AddressColumns a;
        a.Street = {h.find(o.Street), h.find(o.Street2), h.find(o.Street3)};
        street = street || a.Street[0] >= 0;
        a.PoBox = h.find(o.PoBox);
        a.City = h.find(o.City);
        a.Region = h.find(o.State);
        a.PostalCode = h.find(o.PostalCode);
        a.Country = h.find(o.Country);
        a.Formatted = h.find(o.Formatted);
        a.Home = o.Home;
        a.Work = o.Work;
        addresses.append(a);
    }
    if (!street)
        return false;
    l.Preset = CsvPreset::Outlook;
    l.Addresses = addresses;
    l.Given = h.find({u"First Name", u"Vorname", u"Prénom", u"Nombre"});
    l.Middle = h.find({u"Middle Name", u"Weitere Vornamen", u"Deuxième prénom", u"Segundo nombre"});
    l.Family = h.find({u"Last Name", u"Nachname", u"Nom", u"Apellidos"});
    // French Outlook's "Titre" is the job title, not a form of address.
    l.Prefix = h.find({u"Title", u"Anrede", u"Tratamiento"});
    l.Suffix = h.find({u"Suffix", u"Suffixe", u"Sufijo"});
    l.Org = h.find({u"Company", u"Firma", u"Société", u"Organización", u"Compañía", u"Empresa"});
    return true;
}

// Thunderbird writes the same columns in the same order in every language:
// each address is its street, second street line, town, region, postal code
// and country, one after the other. Its French header even names the town of
// both addresses alike, so the block is found by its street column.
bool thunderbirdLayout(const HeaderKeys &h, Layout &l)
{
    const int home = h.find({u"Home Address", u"Privat: Adresse", u"Adresse privée", u"Dirección particular",
                             u"Dirección privada", u"Domicilio"});
    const int work = h.find({u"Work Address", u"Dienstlich: Adresse", u"Adresse professionnelle",
                             u"Dirección del trabajo", u"Dirección de trabajo", u"Dirección laboral"});
    const int columns = int(h.keys().size());
    const auto block = [columns](int street) { return street >= 0 && street + 5 < columns; };
    if (!block(home) && !block(work))
        return false;
    l.Preset = CsvPreset::Thunderbird;
    l.FullName = h.find(
        {u"Display Name", u"Anzeigename", u"Nom à afficher", u"Nombre mostrado", u"Nombre para mostrar"});
    l.Given = h.find({u"First Name", u"Vorname", u"Prénom", u"Nombre"});
    l.Family = h.find({u"Last Name", u"Nachname", u"Nom de famille", u"Apellidos"});
    l.Org = h.find({u"Organization", u"Organisation", u"Firma", u"Société", u"Organización"});
    for (int street : {home, work}) {
        if (!block(street))
            continue;
        AddressColumns a;
        a.Street = {street, street + 1};
        a.City = street + 2;
        a.Region = street + 3;
        a.PostalCode = street + 4;
        a.Country = street + 5;
        a.Home = street == home;
        a.Work = street == work;
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
    RowReader(const CsvTable &table, qsizetype row, bool multiValue)
        : m_table(table), m_row(row), m_multiValue(multiValue)
    {
    }
    QString operator()(int column) const
    {
        if (column < 0)
            return QString();
        QString text = m_table.Cell(m_row, column).trimmed().toString();
        if (m_multiValue && text.contains(QStringLiteral(" ::: ")))
            text.replace(QStringLiteral(" ::: "), QStringLiteral("\n"));
        return text;
    }
    // Several columns as one part, joined with a blank.
    QString operator()(const QList<int> &columns) const
    {
        QStringList parts;
        for (int c : columns) {
            const QString text = (*this)(c);
            if (!text.isEmpty())
                parts.append(text);
        }
        return parts.join(QLatin1Char(' '));
    }

private:
    const CsvTable &m_table;
    qsizetype m_row;
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

Contact contactOf(const RowReader &cell, const Layout &l)
{
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

// Reads the rows through a known export's layout, or through a mapping.
ContactList contactsOf(const CsvTable &table, const Layout &l, qsizetype rows,
                       const ColumnMapping *mapping = nullptr)
{
    ContactList out;
    out.Counts.OpenQuote = table.OpenQuote;
    out.Counts.ExtraCells = table.ExtraCells;
    if (rows < 0)
        out.Counts.BeyondCapacity = table.BeyondCapacity;
    const qsizetype count = rows < 0 ? table.RowCount() : std::min(rows, table.RowCount());
    for (qsizetype r = 0; r < count; ++r) {
        if (out.Contacts.size() >= ContactCapacity) {
            out.Counts.BeyondCapacity += int(count - r);
            break;
        }
        const RowReader cell(table, r, l.MultiValue);
        Contact c;
        if (mapping) {
            c.FormattedName = cell(mapping->Name);
            c.Organization = cell(mapping->Company);
            PostalAddress a;
            a.Street = cell(mapping->Street);
            const QString extra = cell(mapping->Extra);
            if (!extra.isEmpty())
                a.Street = a.Street.isEmpty() ? extra : a.Street + QLatin1Char('\n') + extra;
            a.Locality = cell(mapping->City);
            a.Region = cell(mapping->Region);
            a.PostalCode = cell(mapping->PostalCode);
            a.Country = cell(mapping->Country);
            if (!a.IsEmpty())
                c.Addresses.append(a);
        } else {
            c = contactOf(cell, l);
        }
        if (c.IsEmpty())
            ++out.Counts.Empty;
        else
            out.Contacts.append(std::move(c));
    }
    return out;
}

// Words that name a column in the headers people write.
struct Guess {
    QList<int> ColumnMapping::*field;
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
    for (auto part : ColumnMappingParts)
        if (!(this->*part).isEmpty())
            return false;
    return true;
}

bool ColumnMapping::FitsHeader(qsizetype columns) const
{
    for (auto part : ColumnMappingParts)
        for (int c : this->*part)
            if (c < 0 || c >= columns)
                return false;
    return true;
}

CsvPreset RecognizeCsvHeader(const QStringList &header)
{
    return recognize(header).Preset;
}

ContactList CsvContacts(const CsvTable &table)
{
    const Layout l = recognize(table.Header);
    if (l.Preset == CsvPreset::None) {
        ContactList out;
        out.Counts.OpenQuote = table.OpenQuote;
        out.Counts.ExtraCells = table.ExtraCells;
        out.Counts.BeyondCapacity = table.BeyondCapacity;
        return out;
    }
    return contactsOf(table, l, -1);
}

ContactList CsvContacts(const CsvTable &table, const ColumnMapping &mapping, qsizetype rows)
{
    if (mapping.IsEmpty()) {
        ContactList out;
        out.Counts.OpenQuote = table.OpenQuote;
        out.Counts.ExtraCells = table.ExtraCells;
        out.Counts.BeyondCapacity = table.BeyondCapacity;
        return out;
    }
    return contactsOf(table, Layout(), rows, &mapping);
}

ColumnMapping GuessColumnMapping(const QStringList &header)
{
    const HeaderKeys h(header);
    // Exact words first for every part, then words inside longer headers, the
    // more particular parts first ("address 2" before "address").
    static const QList<Guess> guesses = {
        {&ColumnMapping::Company,
         {"company", "organization", "organisation", "firma", "unternehmen", "org", "companyname", "societe",
          "entreprise", "empresa", "compania", "organizacion"},
         {"company", "organi", "firma", "societe", "empresa"}},
        {&ColumnMapping::Extra,
         {"address2", "addressline2", "street2", "adresszusatz", "zusatz", "adresse2", "strasse2",
          "complementdadresse", "complement", "direccion2"},
         {"address2", "line2", "zusatz", "street2", "complement"}},
        {&ColumnMapping::Street,
         {"street", "address", "streetaddress", "address1", "addressline1", "strasse", "adresse", "anschrift",
          "strasseundhausnummer", "rue", "voie", "calle", "direccion", "domicilio"},
         {"street", "strasse", "address", "adresse", "anschrift", "calle", "direccion"}},
        {&ColumnMapping::PostalCode,
         {"zip", "zipcode", "postalcode", "postcode", "plz", "postleitzahl", "codepostal", "cp",
          "codigopostal"},
         {"zip", "postal", "postcode", "plz", "postleitzahl"}},
        {&ColumnMapping::City,
         {"city", "town", "ort", "stadt", "wohnort", "locality", "ville", "localite", "commune", "ciudad",
          "localidad", "poblacion", "municipio"},
         {"city", "town", "stadt", "ville", "ciudad"}},
        {&ColumnMapping::Region,
         {"state", "region", "province", "county", "bundesland", "kanton", "stateprovince", "departement",
          "provincia", "estado"},
         {"state", "region", "province", "bundesland", "provincia"}},
        {&ColumnMapping::Country, {"country", "land", "countryregion", "staat", "pays", "pais"}, {"country"}},
        {&ColumnMapping::Name,
         {"name", "fullname", "displayname", "anzeigename", "contact", "kontakt", "vollstandigername",
          "nomcomplet", "nombrecompleto"},
         {"name"}},
    };
    ColumnMapping m;
    QList<bool> taken(header.size(), false);
    const auto take = [&](const Guess &g, int i) {
        taken[i] = true;
        m.*g.field = {i};
    };
    for (const Guess &g : guesses)
        for (int i = 0; i < h.keys().size() && (m.*g.field).isEmpty(); ++i)
            if (!taken[i] && g.exact.contains(h.keys()[i]))
                take(g, i);
    // A name in two columns: first and last.
    if (m.Name.isEmpty()) {
        const int first = h.find({u"First Name", u"Given Name", u"Vorname", u"Prénom", u"Nombre"});
        const int last = h.find({u"Last Name", u"Family Name", u"Surname", u"Nachname", u"Familienname",
                                 u"Nom de famille", u"Nom", u"Apellidos", u"Apellido"});
        if (first >= 0 && last >= 0 && !taken[first] && !taken[last]) {
            taken[first] = taken[last] = true;
            m.Name = {first, last};
        }
    }
    for (const Guess &g : guesses) {
        for (int i = 0; i < h.keys().size() && (m.*g.field).isEmpty(); ++i) {
            if (taken[i])
                continue;
            for (const QString &word : g.contains)
                if (h.keys()[i].contains(word)) {
                    take(g, i);
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

// Stored as eight parts separated by commas, each its columns joined with "+"
// ("0+1,2,...") and -1 for none: a mapping stored before parts could take
// several columns reads the same.
bool LoadImportMapping(const TQevIniFile &settings, const QStringList &header, ColumnMapping &mapping)
{
    const QString value =
        settings.ReadString(QString::fromLatin1(ImportMappingSection), ImportMappingKey(header), QString());
    const QStringList parts = value.split(QLatin1Char(','));
    if (parts.size() != 8)
        return false;
    ColumnMapping m;
    for (int i = 0; i < 8; ++i) {
        for (const QString &column : parts[i].split(QLatin1Char('+'))) {
            bool ok = false;
            const int c = column.trimmed().toInt(&ok);
            if (!ok || c < -1)
                return false;
            if (c >= 0)
                (m.*ColumnMappingParts[i]).append(c);
        }
    }
    if (m.IsEmpty() || !m.FitsHeader(header.size()))
        return false;
    mapping = m;
    return true;
}

void SaveImportMapping(TQevIniFile &settings, const QStringList &header, const ColumnMapping &mapping)
{
    QStringList parts;
    for (auto part : ColumnMappingParts) {
        QStringList columns;
        for (int c : mapping.*part)
            columns.append(QString::number(c));
        parts.append(columns.isEmpty() ? QStringLiteral("-1") : columns.join(QLatin1Char('+')));
    }
    settings.WriteString(QString::fromLatin1(ImportMappingSection), ImportMappingKey(header),
                         parts.join(QLatin1Char(',')));
}

} // namespace zentrope
