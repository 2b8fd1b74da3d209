#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace zentrope {

// A CSV file cut into cells: its first record is the header.
struct CsvTable {
    QStringList Header;
    QList<QStringList> Rows; // without blank records
    QChar Separator = QLatin1Char(',');
    // Records that could not be read: a quote never closed, or more filled
    // cells than the header has columns.
    int Unreadable = 0;
};

// Whether bytes look like CSV: text without binary bytes whose first record has
// at least two cells.
bool LooksLikeCsv(const QByteArray &bytes);

// The separator of a CSV text: whichever of comma, semicolon and tab the first
// record holds most often outside quotes (comma when none or on a tie).
QChar DetectCsvSeparator(QStringView text);

// Reads a CSV file as spreadsheets and address books write it (RFC 4180 and
// its variants): separator detected, UTF-8 with or without a byte order mark,
// UTF-16 (Outlook), Windows-1252 otherwise; quoted cells with line breaks and
// doubled quotes. Cells are not trimmed.
CsvTable ReadCsvTable(const QByteArray &bytes);

} // namespace zentrope
