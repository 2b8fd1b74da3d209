#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

namespace zentrope {

// A CSV file cut into cells: its first record is the header. The cells of
// all records share one text, so a file of millions of tiny cells costs a few
// bytes a cell.
class CsvTable {
public:
    QStringList Header;
    QChar Separator = QLatin1Char(',');
    // Records that could not be read: a quote never closed, or more filled
    // cells than the header has columns.
    int OpenQuote = 0;
    int ExtraCells = 0;
    // Records after the first ContactCapacity, counted but not kept.
    int BeyondCapacity = 0;

    qsizetype RowCount() const { return qsizetype(m_rowStart.size()); }
    // A cell; empty for a column the record does not reach.
    QStringView Cell(qsizetype row, qsizetype column) const;
    QStringList Row(qsizetype row) const;
    // Adds a record at the end (the reader's way in, and a test's).
    void AppendRow(const QStringList &cells);
    // Drops the records after the first count.
    void Truncate(qsizetype count);
    // Room for this many characters and cells, so reading never holds twice the table.
    void Reserve(qsizetype characters, qsizetype cells);

private:
    QString m_text;                  // every cell of every record, one after the other
    std::vector<quint32> m_cellEnd;  // where each cell ends in m_text
    std::vector<quint32> m_rowStart; // each record's first cell
};

// Whether bytes look like CSV: text without binary bytes whose first record has
// at least two cells.
bool LooksLikeCsv(const QByteArray &bytes);

// The separator of a CSV text: whichever of comma, semicolon and tab the first
// record holds most often outside quotes (comma when none or on a tie).
QChar DetectCsvSeparator(QStringView text);

// Reads a CSV file as spreadsheets and address books write it (RFC 4180 and
// its variants): separator detected, UTF-8 with or without a byte order mark,
// UTF-16 (Outlook), Windows-1252 otherwise, or the character set named;
// quoted cells with line breaks and doubled quotes. Cells are not trimmed.
// Throws "Text exceeds memo capacity." for a line longer than
// ContactLineCapacity.
CsvTable ReadCsvTable(const QByteArray &bytes, const QByteArray &charset = QByteArray());

} // namespace zentrope
