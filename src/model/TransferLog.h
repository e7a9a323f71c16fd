#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

namespace corvex {

// The record of what the utility moved, for the lab's accreditation: one line
// per read, send, Read ALL, backup, restore, import, export and print, in a
// CSV file (UTF-8, one header line) in the per-user data folder.

struct TransferLogEntry
{
    QDateTime time;      // written as ISO 8601 with the zone offset
    QString user;
    QString host;
    QString port;        // "COM3 (/dev/ttyS2)", a device path, or empty without the instrument
    QString operation;   // logOperationText
    QString covered;     // "Program07", "Reagent 001-200", a file path ...
    QString result;      // logResultText
    QString message;     // why it stopped or failed; empty when done
    QString fingerprint; // first 12 hex digits of the SHA-256 of the content moved

    bool operator==(const TransferLogEntry &) const = default;
};

enum class LogOperation {
    ReadProgram,
    SendProgram,
    ReadReagent,
    SendReagent,
    ReadAll,
    Backup,
    Restore,
    ProgramImport,
    ProgramExport,
    Print,
};

enum class LogResult { Done, Stopped, Failed };

// The texts in the log's "Operation" and "Result" columns ("read program",
// "done" ...); a log read back keeps whatever text its lines hold.
QString logOperationText(LogOperation operation);
QString logResultText(LogResult result);

// An entry stamped now, with this user and host, and, for work on the
// instrument, the port of setLoggedPort.
TransferLogEntry newLogEntry(LogOperation operation, const QString &covered, bool onInstrument = true);

// The port the instrument is connected on, for the entries of this run;
// empty while not connected.
void setLoggedPort(const QString &port);

// The column names of the header line, in order.
QStringList transferLogColumns();
QStringList transferLogFields(const TransferLogEntry &entry);

// ~/.local/share/CORVEX/transfer-log.csv (following XDG_DATA_HOME).
QString transferLogPath();

// Appends entries to one log file. Each line is written, flushed and synced
// to the disk before append() returns. A log that cannot be written never
// stops the work it records: append() says false, and the first failure of
// the object's life (of the run, for programTransferLog) goes to the reporter.
class TransferLog
{
public:
    // An empty path means transferLogPath(), looked up at each append.
    explicit TransferLog(QString path = {});

    bool append(const TransferLogEntry &entry);

    void setFailureReporter(std::function<void(const QString &)> reporter) { m_reporter = std::move(reporter); }
    QString path() const;

private:
    QString m_path;
    std::function<void(const QString &)> m_reporter;
    bool m_failureReported = false;
};

// The log this program writes to: the per-user one.
TransferLog &programTransferLog();

// Appends to programTransferLog().
void logTransfer(const TransferLogEntry &entry);

} // namespace corvex
