#include "TransferLog.h"

#include "CsvText.h"
#include "ModelText.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

#include <pwd.h>
#include <unistd.h>

namespace corvex {

namespace {

QString userName()
{
    const QString fromEnvironment = qEnvironmentVariable("USER");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const passwd *entry = getpwuid(getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(getuid());
}

QString isoTime(const QDateTime &time)
{
    // The offset is written even for local time, so that lines from machines
    // in other zones (or written across a clock change) stay comparable.
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QString failureText(const QString &path, const QString &why)
{
    return ModelText::tr("The transfer log \"%1\" cannot be written (%2); transfers go on without it.").arg(path, why);
}

} // namespace

QString logOperationText(LogOperation operation)
{
    switch (operation) {
    case LogOperation::ReadProgram:
        return QStringLiteral("read program");
    case LogOperation::SendProgram:
        return QStringLiteral("send program");
    case LogOperation::ReadReagent:
        return QStringLiteral("read reagent");
    case LogOperation::SendReagent:
        return QStringLiteral("send reagent");
    case LogOperation::ReadAll:
        return QStringLiteral("read all reagents");
    case LogOperation::Backup:
        return QStringLiteral("backup");
    case LogOperation::Restore:
        return QStringLiteral("restore");
    case LogOperation::ProgramImport:
        return QStringLiteral("import");
    case LogOperation::ProgramExport:
        return QStringLiteral("export");
    case LogOperation::Print:
        return QStringLiteral("print");
    }
    return {};
}

QString logResultText(LogResult result)
{
    switch (result) {
    case LogResult::Done:
        return QStringLiteral("done");
    case LogResult::Stopped:
        return QStringLiteral("stopped");
    case LogResult::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

TransferLogEntry TransferLog::newEntry(LogOperation operation, const QString &covered, bool onInstrument) const
{
    TransferLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.user = userName();
    entry.host = QSysInfo::machineHostName();
    if (onInstrument)
        entry.port = m_port;
    entry.operation = logOperationText(operation);
    entry.covered = covered;
    return entry;
}

QStringList transferLogColumns()
{
    return {QStringLiteral("Time"),      QStringLiteral("User"),   QStringLiteral("Host"),
            QStringLiteral("Port"),      QStringLiteral("Operation"), QStringLiteral("Covered"),
            QStringLiteral("Result"),    QStringLiteral("Message"), QStringLiteral("Fingerprint")};
}

QStringList transferLogFields(const TransferLogEntry &entry)
{
    return {isoTime(entry.time), entry.user,   entry.host,    entry.port,       entry.operation,
            entry.covered,       entry.result, entry.message, entry.fingerprint};
}

QString transferLogPath()
{
    const QString dataFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("CORVEX"));
    return QDir(dataFolder).filePath(QStringLiteral("transfer-log.csv"));
}

TransferLog::TransferLog(QString path)
    : m_path(std::move(path))
{
}

QString TransferLog::path() const
{
    return m_path.isEmpty() ? transferLogPath() : m_path;
}

bool TransferLog::append(const TransferLogEntry &entry)
{
    const QString file = path();
    const auto failed = [&](const QString &why) {
        if (!m_failureReported && m_reporter)
            m_reporter(failureText(file, why));
        m_failureReported = true;
        return false;
    };

    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return failed(ModelText::tr("its folder cannot be made"));
    // Like the store, a log without write permission is left alone, root or not.
    const QFileInfo existing(file);
    if (existing.exists() && !(existing.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
        return failed(ModelText::tr("it is read-only"));
    QFile log(file);
    if (!log.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered))
        return failed(log.errorString());

    QByteArray bytes;
    if (log.size() == 0) {
        bytes = csvRecord(transferLogColumns());
    } else {
        // A line cut short (by a crash or a full disk) ends here, so that
        // it does not swallow the new one.
        char last = '\n';
        if (!log.seek(log.size() - 1) || !log.getChar(&last))
            return failed(log.errorString());
        if (last != '\n')
            bytes = "\r\n";
    }
    bytes += csvRecord(transferLogFields(entry));
    int error = 0;
    if (!writeAllBytes(log.handle(), bytes, error))
        return failed(systemErrorText(error));
    if (::fsync(log.handle()) != 0)
        return failed(systemErrorText(errno));
    return true;
}

} // namespace corvex
