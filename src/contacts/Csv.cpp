#include "contacts/Csv.h"

#include "contacts/Contact.h"
#include "contacts/TextDecoding.h"
#include "core/Error.h"

#include <QCoreApplication>

namespace zentrope {

QStringView CsvTable::Cell(qsizetype row, qsizetype column) const
{
    if (row < 0 || row >= RowCount() || column < 0)
        return {};
    const qsizetype first = m_rowStart[size_t(row)];
    const qsizetype end =
        row + 1 < RowCount() ? qsizetype(m_rowStart[size_t(row + 1)]) : qsizetype(m_cellEnd.size());
    if (first + column >= end)
        return {};
    const qsizetype cell = first + column;
    const qsizetype from = cell == 0 ? 0 : qsizetype(m_cellEnd[size_t(cell - 1)]);
    return QStringView(m_text).sliced(from, qsizetype(m_cellEnd[size_t(cell)]) - from);
}

QStringList CsvTable::Row(qsizetype row) const
{
    QStringList out;
    if (row < 0 || row >= RowCount())
        return out;
    const qsizetype end =
        row + 1 < RowCount() ? qsizetype(m_rowStart[size_t(row + 1)]) : qsizetype(m_cellEnd.size());
    for (qsizetype c = 0; c < end - qsizetype(m_rowStart[size_t(row)]); ++c)
        out.append(Cell(row, c).toString());
    return out;
}

void CsvTable::AppendRow(const QStringList &cells)
{
    // Empty cells at the end of a record cost nothing: Cell() gives them.
    qsizetype used = cells.size();
    while (used > 0 && cells[used - 1].isEmpty())
        --used;
    m_rowStart.push_back(quint32(m_cellEnd.size()));
    for (qsizetype c = 0; c < used; ++c) {
        m_text += cells[c];
        m_cellEnd.push_back(quint32(m_text.size()));
    }
}

void CsvTable::Reserve(qsizetype characters, qsizetype cells)
{
    m_text.reserve(characters);
    m_cellEnd.reserve(size_t(cells));
}

void CsvTable::Truncate(qsizetype count)
{
    if (count < 0 || count >= RowCount())
        return;
    const quint32 cells = m_rowStart[size_t(count)];
    m_rowStart.resize(size_t(count));
    m_cellEnd.resize(cells);
    m_text.truncate(cells == 0 ? 0 : m_cellEnd.back());
    m_text.squeeze();
}

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// After a line break at pos (CR LF counts once).
qsizetype skipLineBreak(QStringView text, qsizetype pos)
{
    if (pos < text.size() && text[pos] == u'\r')
        ++pos;
    if (pos < text.size() && text[pos] == u'\n')
        ++pos;
    return pos;
}

// Reads one record from pos. Returns false when a quoted cell is not closed:
// before the end of the text, or, once the text is known to be damaged
// (lineQuotes), before the end of the line. pos is left after the record.
bool readRecord(QStringView text, qsizetype &pos, QChar sep, bool lineQuotes, QStringList &cells)
{
    cells.clear();
    const qsizetype n = text.size();
    QString cell;
    for (;;) {
        if (pos < n && text[pos] == u'"') {
            ++pos;
            for (;;) {
                if (pos >= n)
                    return false;
                const QChar c = text[pos];
                if (c == u'"') {
                    if (pos + 1 < n && text[pos + 1] == u'"') {
                        cell.append(u'"');
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    break;
                }
                if (isLineBreak(c)) {
                    if (lineQuotes) {
                        pos = skipLineBreak(text, pos);
                        return false;
                    }
                    // Every kind of line break in a cell is one "\n".
                    cell.append(u'\n');
                    pos = skipLineBreak(text, pos);
                    continue;
                }
                cell.append(c);
                ++pos;
            }
        }
        // Unquoted text, or what follows a closing quote (kept, as spreadsheets do).
        const qsizetype start = pos;
        while (pos < n && text[pos] != sep && !isLineBreak(text[pos]))
            ++pos;
        cell.append(text.sliced(start, pos - start));
        cells.append(cell);
        cell.clear();
        if (pos >= n)
            return true;
        if (text[pos] == sep) {
            ++pos;
            continue;
        }
        pos = skipLineBreak(text, pos);
        return true;
    }
}

bool isBlank(const QStringList &cells)
{
    for (const QString &c : cells)
        if (!c.trimmed().isEmpty())
            return false;
    return true;
}

// Binary bytes: NUL or control characters that no text file holds.
bool looksBinary(QStringView text)
{
    const qsizetype n = std::min<qsizetype>(text.size(), 4096);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r' && c != 0x0C)
            return true;
    }
    return false;
}

} // namespace

QChar DetectCsvSeparator(QStringView text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (isLineBreak(c))
            break;
        else if (c == u',')
            ++comma;
        else if (c == u';')
            ++semicolon;
        else if (c == u'\t')
            ++tab;
    }
    if (tab > comma && tab > semicolon)
        return QLatin1Char('\t');
    if (semicolon > comma)
        return QLatin1Char(';');
    return QLatin1Char(',');
}

namespace {

// Where the header starts, after blank lines and the "sep=;" line Excel writes
// to name the separator; sep is that separator or the one detected.
qsizetype startOfTable(QStringView text, QChar &sep)
{
    qsizetype pos = 0;
    while (pos < text.size() && (isLineBreak(text[pos]) || text[pos] == u' '))
        ++pos;
    const QStringView rest = text.sliced(pos);
    if (rest.startsWith(u"sep=", Qt::CaseInsensitive) && rest.size() >= 5 && !isLineBreak(rest[4]) &&
        rest[4] != u'"' && (rest.size() == 5 || isLineBreak(rest[5]))) {
        sep = rest[4];
        return skipLineBreak(text, pos + 5);
    }
    sep = DetectCsvSeparator(rest);
    return pos;
}

} // namespace

bool LooksLikeCsv(const QByteArray &bytes)
{
    const QString text = DecodeImportedText(bytes.left(64 * 1024));
    if (text.trimmed().isEmpty() || looksBinary(text))
        return false;
    QChar sep;
    qsizetype pos = startOfTable(text, sep);
    QStringList cells;
    readRecord(text, pos, sep, true, cells);
    int filled = 0;
    for (const QString &c : cells)
        if (!c.trimmed().isEmpty())
            ++filled;
    return filled >= 2;
}

CsvTable ReadCsvTable(const QByteArray &bytes, const QByteArray &charset)
{
    CsvTable table;
    QString decoded = DecodeImportedText(bytes, charset);
    // A line longer than any address book writes: refused before it is cut
    // into cells.
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i <= decoded.size(); ++i) {
        if (i == decoded.size() || decoded[i] == u'\n' || decoded[i] == u'\r') {
            if (i - lineStart > ContactLineCapacity)
                throw ZentropeError(
                    QCoreApplication::translate("zentrope::AddressFile", "Text exceeds memo capacity."));
            lineStart = i + 1;
        }
    }
    const QStringView text(decoded);
    qsizetype pos = startOfTable(text, table.Separator);
    qsizetype cellBound = 1;
    for (QChar c : text)
        if (c == table.Separator || c == u'\n')
            ++cellBound;
    table.Reserve(text.size(), cellBound);

    bool lineQuotes = false;
    bool haveHeader = false;
    QStringList cells;
    while (pos < text.size()) {
        const qsizetype start = pos;
        if (!readRecord(text, pos, table.Separator, lineQuotes, cells)) {
            ++table.OpenQuote;
            if (!lineQuotes) {
                // A quote left open swallowed the rest of the file: read again
                // after the line it began on, where quotes no longer span lines.
                lineQuotes = true;
                pos = start;
                while (pos < text.size() && !isLineBreak(text[pos]))
                    ++pos;
                pos = skipLineBreak(text, pos);
            }
            continue;
        }
        if (isBlank(cells))
            continue;
        if (!haveHeader) {
            table.Header = cells;
            haveHeader = true;
            continue;
        }
        bool extra = false;
        for (qsizetype i = table.Header.size(); i < cells.size() && !extra; ++i)
            extra = !cells[i].trimmed().isEmpty();
        if (extra) {
            ++table.ExtraCells;
            continue;
        }
        if (table.RowCount() >= ContactCapacity) {
            ++table.BeyondCapacity;
            continue;
        }
        if (cells.size() > table.Header.size())
            cells.resize(table.Header.size());
        table.AppendRow(cells);
    }
    return table;
}

} // namespace zentrope
