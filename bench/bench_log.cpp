// Times "corvexctl log" on a large transfer log and measures its peak
// memory, which must stay flat whatever the log's size.
// Usage: bench_log [megabytes]   (default 100)

#include "CsvText.h"
#include "TransferLog.h"
#include "support/BuiltPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvex;

namespace {

// Writes a log of about `megabytes` MB in the layout TransferLog writes.
bool writeLog(const QString &file, qint64 megabytes)
{
    QFile log(file);
    if (!QDir().mkpath(QFileInfo(file).path()) || !log.open(QIODevice::WriteOnly))
        return false;
    log.write(csvRecord(transferLogColumns()));
    TransferLogEntry entry = TransferLog().newEntry(LogOperation::ReadAll, QStringLiteral("Reagent 001-200"));
    entry.result = QStringLiteral("done");
    entry.fingerprint = QStringLiteral("0123456789ab");
    for (qint64 line = 0; log.size() < megabytes * 1024 * 1024; ++line) {
        entry.message = QStringLiteral("line %1, with \"quotes\", and a comma").arg(line);
        if (log.write(csvRecord(transferLogFields(entry))) < 0)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    QTemporaryDir home;
    const QString data = home.filePath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    if (!writeLog(transferLogPath(), megabytes)) {
        out << "Cannot write the log under " << data << '\n';
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        // The lines go nowhere: only reading and printing them is timed.
        const QByteArray program = QFile::encodeName(ctlProgram());
        if (!::freopen("/dev/null", "w", stdout))
            ::_exit(127);
        ::execl(program.constData(), program.constData(), "log", static_cast<char *>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        out << "corvexctl log failed\n";
        return 1;
    }
    out << QStringLiteral("corvexctl log on %1 MB: %2 s, peak memory %3 MB\n")
               .arg(megabytes)
               .arg(double(timer.elapsed()) / 1000, 0, 'f', 1)
               .arg(double(usage.ru_maxrss) / 1024, 0, 'f', 1);
    return 0;
}
