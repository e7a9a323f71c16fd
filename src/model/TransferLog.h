#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// The record of what the utility moved, for the lab's accreditation: one line
// per read, send, Read ALL, backup, restore, import, export and print, in a
// CSV file (UTF-8, one header line) in the per-user data folder.

struct TransferLogEntry
{
    QDateTime time;      // written as ISO 8601 with the zone offset
    QString user;
    QString host;
    QString port;        // "COM3 (/dev/ttyS2)", a device path, or empty without the instrument
    QString operation;   // see LogOperation
    QString covered;     // "Program07", "Reagent 001-200", a file path ...
    QString result;      // see LogResult
    QString message;     // why it stopped or failed; empty when done
    QString fingerprint; // first 12 hex digits of the SHA-256 of the content moved

    bool operator==(const TransferLogEntry &) const = default;
};

namespace LogOperation {
inline const QString ReadProgram = QStringLiteral("read program");
inline const QString SendProgram = QStringLiteral("send program");
inline const QString ReadReagent = QStringLiteral("read reagent");
inline const QString SendReagent = QStringLiteral("send reagent");
inline const QString ReadAll = QStringLiteral("read all reagents");
inline const QString Backup = QStringLiteral("backup");
inline const QString Restore = QStringLiteral("restore");
inline const QString Import = QStringLiteral("import");
inline const QString Export = QStringLiteral("export");
inline const QString Print = QStringLiteral("print");
} // namespace LogOperation

namespace LogResult {
inline const QString Done = QStringLiteral("done");
inline const QString Stopped = QStringLiteral("stopped");
inline const QString Failed = QStringLiteral("failed");
} // namespace LogResult

// An entry stamped now, with this user and host, and, for work on the
// instrument, the port of SetLoggedPort.
TransferLogEntry NewLogEntry(const QString &operation, const QString &covered, bool onInstrument = true);

// The port the instrument is connected on, for the entries of this run;
// empty while not connected.
void SetLoggedPort(const QString &port);

// The column names of the header line, in order.
QStringList TransferLogColumns();
QStringList TransferLogFields(const TransferLogEntry &entry);

// ~/.local/share/CORVEX/transfer-log.csv (following XDG_DATA_HOME).
QString TransferLogPath();

// Appends entries to one log file. Each line is written, flushed and synced
// to the disk before append() returns. A log that cannot be written never
// stops the work it records: append() says false, and the first failure of
// the object's life (of the run, for ProgramTransferLog) goes to the reporter.
class TransferLog
{
public:
    // An empty path means TransferLogPath(), looked up at each append.
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
TransferLog &ProgramTransferLog();

// Appends to ProgramTransferLog().
void LogTransfer(const TransferLogEntry &entry);
