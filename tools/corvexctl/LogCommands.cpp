#include "LogCommands.h"

#include "TransferLogReader.h"

namespace corvex {

namespace {

const QString sinceOption = QStringLiteral("since");

// "2026-12-06" (that day, local time, from midnight) or an ISO 8601 time
// such as "2026-12-06T14:00" (local time unless it gives its offset).
QDateTime sinceTime(const QString &text)
{
    // A date alone is exactly ten characters: a date parser reads the date
    // of a longer text and would drop its time, right or wrong.
    if (text.size() == 10)
        return QDate::fromString(text, Qt::ISODate).startOfDay();
    if (!text.contains(QLatin1Char('T')))
        return {};
    return QDateTime::fromString(text, Qt::ISODate);
}

QString lineText(const TransferLogLine &line)
{
    if (line.damaged)
        return QStringLiteral("(damaged line) ") + line.text;
    const TransferLogEntry &e = line.entry;
    QString text = e.time.toString(Qt::ISODate) + QLatin1Char(' ') + e.user + QLatin1Char('@') + e.host + QLatin1Char(' ')
        + e.operation;
    if (!e.covered.isEmpty())
        text += QStringLiteral(" \"") + e.covered + QLatin1Char('"');
    if (!e.port.isEmpty())
        text += QStringLiteral(" on ") + e.port;
    text += QStringLiteral(": ") + e.result;
    if (!e.message.isEmpty())
        text += QStringLiteral(": ") + QString(e.message).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!e.fingerprint.isEmpty())
        text += QStringLiteral(" [") + e.fingerprint + QLatin1Char(']');
    return text;
}

int showLog(CommandContext &context)
{
    QDateTime since;
    if (context.hasOption(sinceOption)) {
        since = sinceTime(context.option(sinceOption));
        if (!since.isValid())
            return context.usageError(QStringLiteral("--since needs a date such as 2026-03-01 or a time such as "
                                                     "2026-03-01T14:00, not \"%1\".")
                                          .arg(context.option(sinceOption)));
    }
    const QString path = transferLogPath();
    qint64 lines = 0;
    const QString error = forEachTransferLogLine(path, [&](const TransferLogLine &line) {
        ++lines;
        if (isSince(line, since))
            context.out << lineText(line) << '\n';
    });
    if (!error.isEmpty())
        return context.fail(error);
    if (lines == 0)
        context.err << "The transfer log \"" << path << "\" is empty.\n";
    return exitDone;
}

} // namespace

QList<Command> logCommands()
{
    return {
        {QStringLiteral("log"), QString(),
         QStringLiteral("Show the transfer log: what was read, sent, backed up, restored, imported, exported and printed"),
         0, 0,
         {{sinceOption, QStringLiteral("DATE"), QStringLiteral("only lines from this date (2026-03-01) or time on")}},
         showLog},
    };
}

} // namespace corvex
