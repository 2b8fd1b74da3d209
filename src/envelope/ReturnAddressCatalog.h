#pragma once

#include "envelope/SortedCatalog.h"

#include <QString>
#include <QStringList>

namespace zentrope {

// One named return address: a description (any text, not unique) and its lines.
struct ReturnAddress {
    QString Description;
    QStringList Lines;
};

// The catalog of return addresses, kept sorted by description.
class ReturnAddressCatalog : public SortedCatalog<ReturnAddressCatalog, ReturnAddress> {
public:
    static inline const QString Section = QStringLiteral("ReturnAddresses");

    int DefaultIndex = -1; // negative or not below Count(): no default

    using SortedCatalog::Add;
    using SortedCatalog::Insert;
    // A new entry without lines.
    int Add(const QString &description) { return Add(ReturnAddress{description, {}}); }
    int Insert(const QString &description, const QStringList &lines)
    {
        return Insert(ReturnAddress{description, lines});
    }
    // Replaces the lines of one entry (outside the catalog: nothing).
    void SetLines(int index, const QStringList &lines);

    // What the shared catalog asks of this one.
    static QString &NameOf(ReturnAddress &e) { return e.Description; }
    static const QString &NameOf(const ReturnAddress &e) { return e.Description; }
    int &DefaultIndexField() { return DefaultIndex; }
    void ReadHeader(const TQevIniFile &) {}
    void WriteHeader(IniSection &) const {}
    void TakeHeader(const ReturnAddressCatalog &) {}
    ReturnAddress ReadEntry(const TQevIniFile &ini, const QSet<QString> &stored, int index) const;
    void WriteEntry(IniSection &section, int index, const ReturnAddress &entry) const;
    int InsertBuiltIns();
};

} // namespace zentrope
