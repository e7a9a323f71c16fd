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

// The column names of the header line, in order.
QStringList transferLogColumns();
QStringList transferLogFields(const TransferLogEntry &entry);

// ~/.local/share/CORVEX/transfer-log.csv (following XDG_DATA_HOME).
QString transferLogPath();

// Appends entries to one log file. Each line is written, flushed and synced
// to the disk before append() returns. A log that cannot be written never
// stops the work it records: append() says false, and the first failure of
// the object's life goes to the reporter. The window and each command of
// the tool own one, and hand it to what they run.
class TransferLog
{
public:
    // An empty path means transferLogPath(), looked up at each append.
    explicit TransferLog(QString path = {});

    // An entry stamped now, with this user and host, and, for work on the
    // instrument, the port of setPort.
    TransferLogEntry newEntry(LogOperation operation, const QString &covered, bool onInstrument = true) const;
    // The port the instrument is connected on; empty while not connected.
    void setPort(const QString &port) { m_port = port; }

    bool append(const TransferLogEntry &entry);

    void setFailureReporter(std::function<void(const QString &)> reporter) { m_reporter = std::move(reporter); }
    QString path() const;

private:
    QString m_path;
    QString m_port;
    std::function<void(const QString &)> m_reporter;
    bool m_failureReported = false;
};

} // namespace corvex
