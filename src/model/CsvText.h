#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace corvex {

// Comma-separated text as spreadsheets read it (RFC 4180): fields separated
// by commas, records ended by CRLF, a field in double quotes when it holds a
// comma, a quote, CR or LF, a quote inside doubled.

// One record with its CRLF, UTF-8. A field that a spreadsheet would take as a
// formula (starting with '=', '+', '-', '@', a tab or CR), or that starts
// with an apostrophe, gets a leading apostrophe, which csvRecords removes.
QByteArray csvRecord(const QStringList &fields);

struct CsvRow
{
    QStringList fields;
    QString text;         // the record as it stood in the file, without its line end
    bool damaged = false; // a quote that never closes, or text after a closing quote
};

// Every record of UTF-8 text; a record may span lines inside quotes. A
// damaged record keeps its text and ends at the end of its first line; so
// does a record over several lines without `fieldCount` fields (when given),
// so that a stray quote does not swallow the lines after it.
QList<CsvRow> csvRecords(const QByteArray &text, qsizetype fieldCount = 0);

} // namespace corvex
