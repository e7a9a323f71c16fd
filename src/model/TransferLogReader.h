#pragma once

#include "TransferLog.h"

#include <QList>
#include <QString>

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

TransferLogContent readTransferLog(const QString &path);

// The lines at or after `since` (damaged lines are always kept), newest first.
QList<TransferLogLine> newestFirst(const QList<TransferLogLine> &lines, const QDateTime &since = {});

} // namespace corvex
