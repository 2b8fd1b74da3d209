#pragma once

#include "envelope/EnvelopeDimension.h"

#include <QMetaType>
#include <QString>
#include <memory>
#include <vector>

namespace zentrope {

class TQevIniFile;

// One named envelope size. The dimension is shared: the main window's picker
// and a running print job refer to the same record the catalog edits.
struct EnvelopeSize {
    QString Name;
    std::shared_ptr<TEnvelopeDimension> Dimension;

    // The entry that stands for the printer's own page (letter case counts).
    bool IsPrinterSetup() const { return IsPrinterSetupName(Name); }
    static bool IsPrinterSetupName(const QString &name) { return name == QLatin1String("Printer Setup"); }
};

// The catalog of named envelope sizes, kept sorted by name (Collation.h), with
// the default size and the printed size of the return-address graphic. Indexes
// are positions in the sorted order, from 0; the operations that change the
// entries keep FDefaultIndex on the same size and return the index to select.
class TEnvelopeSizeCatalog {
public:
    static inline const QString Section = QStringLiteral("Envelopes");

    int FDefaultIndex = -1; // -1 (or any index outside the catalog): no default
    double FGraphicX = 1.0; // inches; 0 by 0 prints the graphic at its own size
    double FGraphicY = 1.0;

    int Count() const { return static_cast<int>(m_entries.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
    // The entry at index, or nullptr outside the catalog.
    const EnvelopeSize *At(int index) const { return IsValidIndex(index) ? &m_entries[index] : nullptr; }
    const std::vector<EnvelopeSize> &Entries() const { return m_entries; }

    // Puts a size at its sorted place and returns its index (no default adjustment).
    int Insert(const QString &name, const TEnvelopeDimension &dimension);
    void Remove(int index);
    void Clear()
    {
        m_entries.clear();
        m_modified = true;
    }

    // Loads section "Envelopes"; a stored count of 0 gives the built-in sizes.
    // Returns the index to select (-1 for none).
    int Load(const TQevIniFile &ini);
    // Erases the section and writes the whole catalog, in one replace of the file.
    void Save(TQevIniFile &ini);
    // Whether the catalog changed since it was loaded or saved.
    bool Modified() const { return m_modified; }
    // The save at shutdown: only a catalog that changed is written, or one whose
    // section the file lacks (a first run), so a second running copy that exits
    // later does not write back a catalog it never touched over the first
    // copy's changes. Returns whether it wrote.
    bool SaveAtShutdown(TQevIniFile &ini);

    // Add: a new size with the default dimension, or with a given one (a
    // standard size). Returns its index; the default stays on its size.
    int Add(const QString &name);
    int Add(const QString &name, const TEnvelopeDimension &dimension);
    // Rename: the size moves to the new name's place, keeping its dimension and,
    // when it was the default, its default role. Returns the new index.
    int Rename(int index, const QString &name);
    // Delete: removes the size; deleting the default makes the first size the
    // default. Returns the index to select (the first, or -1 when empty).
    int Delete(int index);
    // The edits of the dialog that change fields rather than entries; each
    // marks the catalog modified when it changes something.
    void SetDefaultIndex(int index);
    void SetGraphicSize(double x, double y);
    // The detail boxes' texts (TEnvelopeDimension::GetValueFromControls) into
    // the shared dimension of the size at index; nothing outside the catalog.
    void SetDimensionFromControls(int index, const QString &width, const QString &height,
                                  const QString &indent, LengthUnit unit = LengthUnit::Inches);

private:
    std::vector<EnvelopeSize> m_entries;
    bool m_modified = false;
};

} // namespace zentrope

Q_DECLARE_METATYPE(std::shared_ptr<zentrope::TEnvelopeDimension>)
