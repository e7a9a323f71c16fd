#include "TransferLogReader.h"

#include "CsvText.h"
#include "WholeFile.h"

#include <QFile>

#include <algorithm>

namespace corvex {

namespace {

// A log is a few hundred bytes a line; this is decades of a busy lab.
constexpr qint64 maxLogSize = 256 * 1024 * 1024;

TransferLogLine lineFrom(const CsvRow &row)
{
    TransferLogLine line;
    line.text = row.text;
    const QStringList &f = row.fields;
    line.damaged = row.damaged || f.size() != transferLogColumns().size();
    if (line.damaged)
        return line;
    line.entry = {QDateTime::fromString(f[0], Qt::ISODate), f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]};
    line.damaged = !line.entry.time.isValid();
    return line;
}

} // namespace

TransferLogContent readTransferLog(const QString &path)
{
    TransferLogContent content;
    QFile file(path);
    if (!file.exists())
        return content;
    if (!file.open(QIODevice::ReadOnly)) {
        content.error = cannotReadMessage(path, file.errorString());
        return content;
    }
    if (file.size() > maxLogSize) {
        content.error = QStringLiteral("\"%1\" is too large (%2 bytes) to be a transfer log.").arg(path).arg(file.size());
        return content;
    }
    const QList<CsvRow> rows = csvRecords(file.readAll(), transferLogColumns().size());
    for (const CsvRow &row : rows) {
        if (!row.damaged && row.fields == transferLogColumns())
            continue;
        content.lines << lineFrom(row);
    }
    return content;
}

QList<TransferLogLine> newestFirst(const QList<TransferLogLine> &lines, const QDateTime &since)
{
    QList<TransferLogLine> kept;
    for (const TransferLogLine &line : lines) {
        if (line.damaged || !since.isValid() || line.entry.time >= since)
            kept << line;
    }
    // The file is in the order written; reversing keeps damaged lines where they were.
    std::reverse(kept.begin(), kept.end());
    return kept;
}

} // namespace corvex
