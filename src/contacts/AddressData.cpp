#include "contacts/AddressData.h"

#include <QFile>
#include <QHash>

// Outside the namespace, as Q_INIT_RESOURCE needs: the table lives in a static
// library, so its resource must be registered by name.
static void initAddressData()
{
    Q_INIT_RESOURCE(zentrope_address_data);
}

namespace zentrope {

namespace {

struct Table {
    QList<CountryFormat> countries;
    QHash<QString, qsizetype> byCode;
    CountryFormat fallback;
};

const Table &table()
{
    static const Table t = [] {
        initAddressData();
        Table out;
        QFile file(QStringLiteral(":/zentrope/address-formats.tsv"));
        if (file.open(QIODevice::ReadOnly)) {
            const QString text = QString::fromUtf8(file.readAll());
            for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
                const auto cells = line.split(u'\t');
                if (cells.size() != 7)
                    continue;
                CountryFormat f{cells[0].toString(), cells[1].toString(), cells[2].toString(),
                                cells[3].toString(), cells[4].toString(), cells[5].toString(),
                                cells[6].toString()};
                if (f.Code == u"ZZ") {
                    out.fallback = f;
                } else {
                    out.byCode.insert(f.Code, out.countries.size());
                    out.countries.append(f);
                }
            }
        }
        // Never without a layout, even if the resource were missing.
        if (out.fallback.Format.isEmpty())
            out.fallback = {QStringLiteral("ZZ"),
                            QStringLiteral("%N%n%O%n%A%n%C"),
                            QString(),
                            QStringLiteral("AC"),
                            QStringLiteral("C"),
                            QString(),
                            QString()};
        return out;
    }();
    return t;
}

} // namespace

bool CountryFormat::Holds(const QString &format, QChar field)
{
    for (qsizetype i = 0; i + 1 < format.size(); ++i)
        if (format[i] == u'%' && format[i + 1] == field)
            return true;
    return false;
}

const CountryFormat &CountryFormatOf(const QString &code)
{
    const Table &t = table();
    const auto it = t.byCode.constFind(code.toUpper());
    return it == t.byCode.cend() ? t.fallback : t.countries[*it];
}

const QList<CountryFormat> &CountryFormats()
{
    return table().countries;
}

} // namespace zentrope
