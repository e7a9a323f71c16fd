#include "TransferLogReader.h"

#include "CsvText.h"
#include "WholeFile.h"

#include <QFile>

#include <algorithm>

namespace corvex {

namespace {

// A record that still has an open quote after this many lines is parsed
// as it is (its first line damaged), so that a stray quote cannot make the
// reader hold the rest of the log.
constexpr int maxLinesOfRecord = 64;

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

QString forEachTransferLogLine(const QString &path, const std::function<void(const TransferLogLine &)> &each)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return cannotReadMessage(path, file.errorString());
    const qsizetype fieldCount = transferLogColumns().size();
    const auto take = [&](const QByteArray &records) {
        for (const CsvRow &row : csvRecords(records, fieldCount)) {
            if (!row.damaged && row.fields == transferLogColumns())
                continue;
            each(lineFrom(row));
        }
    };
    // A record ends with a line once the quotes in it are balanced.
    QByteArray record;
    qsizetype quotes = 0;
    int lines = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.isEmpty() && file.error() != QFileDevice::NoError)
            return cannotReadMessage(path, file.errorString());
        record += line;
        quotes += line.count('"');
        if (quotes % 2 == 0 || ++lines >= maxLinesOfRecord) {
            take(record);
            record.clear();
            quotes = 0;
            lines = 0;
        }
    }
    take(record);
    return {};
}

TransferLogContent readTransferLog(const QString &path)
{
    TransferLogContent content;
    content.error = forEachTransferLogLine(path, [&content](const TransferLogLine &line) { content.lines << line; });
    if (!content.error.isEmpty())
        content.lines.clear();
    return content;
}

bool isSince(const TransferLogLine &line, const QDateTime &since)
{
    return line.damaged || !since.isValid() || line.entry.time >= since;
}

QList<TransferLogLine> newestFirst(const QList<TransferLogLine> &lines, const QDateTime &since)
{
    QList<TransferLogLine> kept;
    for (const TransferLogLine &line : lines) {
        if (isSince(line, since))
            kept << line;
    }
    // The file is in the order written; reversing keeps damaged lines where they were.
    std::reverse(kept.begin(), kept.end());
    return kept;
}

} // namespace corvex
