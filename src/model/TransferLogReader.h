#pragma once

#include "TransferLog.h"

#include <QList>
#include <QString>

#include <functional>

namespace corvex {

// One line of the transfer log as read back. A damaged line (cut short, a
// wrong number of fields, a time that is no time) keeps its text and is
// shown as it is.
struct TransferLogLine
{
    TransferLogEntry entry;
    QString text;
    bool damaged = false;
};

struct TransferLogContent
{
    QList<TransferLogLine> lines; // in the order they were written
    QString error;                // why the file could not be read; empty when it was, or is missing
};

// Reads the log record by record and hands each line to `each` in the order
// written, so that memory stays flat whatever the log's size. Returns why
// the file could not be read; empty when it was, or is missing.
QString forEachTransferLogLine(const QString &path, const std::function<void(const TransferLogLine &)> &each);

// The whole log at once.
TransferLogContent readTransferLog(const QString &path);

// True when `line` is kept by a filter from `since` (damaged lines always are).
bool isSince(const TransferLogLine &line, const QDateTime &since);

// The lines at or after `since` (damaged lines are always kept), newest first.
QList<TransferLogLine> newestFirst(const QList<TransferLogLine> &lines, const QDateTime &since = {});

} // namespace corvex
