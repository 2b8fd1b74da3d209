#pragma once

#include "envelope/EnvelopeDimension.h"
#include "envelope/SortedCatalog.h"

#include <QString>

namespace zentrope {

// One named envelope size.
struct EnvelopeSize {
    QString Name;
    TEnvelopeDimension Dimension;

    // The entry that stands for the printer's own page (letter case counts).
    bool IsPrinterSetup() const { return IsPrinterSetupName(Name); }
    static bool IsPrinterSetupName(const QString &name) { return name == QLatin1String("Printer Setup"); }
};

// The catalog of named envelope sizes, with the default size and the printed
// size of the return-address graphic. Whoever prints a size takes a copy of
// it: editing the catalog never changes a job under way.
class EnvelopeSizeCatalog : public SortedCatalog<EnvelopeSizeCatalog, EnvelopeSize> {
public:
    static inline const QString Section = QStringLiteral("Envelopes");

    int FDefaultIndex = -1; // -1 (or any index outside the catalog): no default
    double FGraphicX = 1.0; // inches; 0 by 0 prints the graphic at its own size
    double FGraphicY = 1.0;

    using SortedCatalog::Add;
    using SortedCatalog::Insert;
    // A new size with the default dimension, or with a given one (a standard size).
    int Add(const QString &name, const TEnvelopeDimension &dimension = {})
    {
        return Add(EnvelopeSize{name, dimension});
    }
    int Insert(const QString &name, const TEnvelopeDimension &dimension)
    {
        return Insert(EnvelopeSize{name, dimension});
    }
    // The edits of the dialog that change fields rather than entries; each
    // marks the catalog modified when it changes something.
    void SetGraphicSize(double x, double y);
    // The detail boxes' texts (TEnvelopeDimension::GetValueFromControls) into
    // the dimension of the size at index; nothing outside the catalog.
    void SetDimensionFromControls(int index, const QString &width, const QString &height,
                                  const QString &indent, LengthUnit unit = LengthUnit::Inches);

    // What the shared catalog asks of this one.
    static QString &NameOf(EnvelopeSize &e) { return e.Name; }
    static const QString &NameOf(const EnvelopeSize &e) { return e.Name; }
    int &DefaultIndexField() { return FDefaultIndex; }
    void ReadHeader(const TQevIniFile &ini);
    void WriteHeader(IniSection &section) const;
    void TakeHeader(const EnvelopeSizeCatalog &other)
    {
        FGraphicX = other.FGraphicX;
        FGraphicY = other.FGraphicY;
    }
    EnvelopeSize ReadEntry(const TQevIniFile &ini, const QSet<QString> &stored, int index) const;
    void WriteEntry(IniSection &section, int index, const EnvelopeSize &entry) const;
    int InsertBuiltIns();
};

} // namespace zentrope
