#pragma once

#include "support/CtlProcess.h"
#include "support/FileFixtures.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvex {

// A print service (cupsd) of the test's own: configuration, socket, queues,
// spool and logs in a temporary folder, listening only on its own socket,
// so nothing of the machine's printing is seen or changed. Setting it up
// points CUPS_SERVER of this process (and of the programs it starts) at it.
// Queues print to nothing (file:///dev/null); the documents of the jobs are
// kept in the spool folder for a test to read.
class PrivatePrintService
{
public:
    ~PrivatePrintService() { stop(); }

    // Starts the scheduler (again, after stop()) and waits until it answers;
    // false when it does not, with errorString() saying why.
    bool start()
    {
        if (isRunning())
            return true;
        m_error = QStringLiteral("cannot set up the folder %1").arg(m_dir.path());
        if (!m_dir.isValid() || !writeConfiguration())
            return false;
        qputenv("CUPS_SERVER", QFile::encodeName(path("cups.sock")));
        m_scheduler.setProcessChannelMode(QProcess::MergedChannels);
        // A test that crashes takes its scheduler with it.
        m_scheduler.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_scheduler.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), path("cupsd.conf"), QStringLiteral("-s"), path("cups-files.conf")});
        const QDeadlineTimer deadline(30'000);
        // lpstat ends with 0 whether the scheduler answers on its socket or not.
        while (runProcess(QStringLiteral("lpstat"), {QStringLiteral("-r")}).out.trimmed() != QLatin1String("scheduler is running")) {
            if (deadline.hasExpired() || !m_scheduler.waitForStarted(10'000) || m_scheduler.state() != QProcess::Running) {
                m_error = QStringLiteral("cupsd does not answer on %1: %2 %3")
                              .arg(path("cups.sock"), m_scheduler.errorString(), QString::fromLocal8Bit(m_scheduler.readAll()));
                stop();
                return false;
            }
            QThread::msleep(50);
        }
        return true;
    }

    // Ends the scheduler by its process id; safe to call twice.
    void stop()
    {
        m_scheduler.terminate();
        if (!m_scheduler.waitForFinished(10'000))
            m_scheduler.kill();
        m_scheduler.waitForFinished(10'000);
    }

    bool isRunning() const { return m_scheduler.state() == QProcess::Running; }
    QString errorString() const { return m_error; }

    // Runs a client of the print service (lpadmin, cupsreject, lpstat...)
    // against this scheduler; true when it ends with exit code 0.
    bool client(const QString &program, const QStringList &arguments)
    {
        const CtlRun run = runProcess(program, arguments);
        if (run.exitCode != 0)
            m_error = program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ") + run.err;
        return run.exitCode == 0;
    }

    // Sets up a queue that accepts jobs and prints them to nothing.
    bool addQueue(const QString &name)
    {
        return client(QStringLiteral("lpadmin"), {QStringLiteral("-p"), name, QStringLiteral("-v"), QStringLiteral("file:///dev/null"), QStringLiteral("-E")})
            && client(QStringLiteral("cupsaccept"), {name});
    }

    // The document of a job as the print service received it.
    QString jobDocument(int job) const { return path("spool") + QStringLiteral("/d%1-001").arg(job, 5, 10, QLatin1Char('0')); }

private:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    // The scheduler runs its jobs as user lp and refuses to run them as root:
    // the folders are the group lp's.
    bool writeConfiguration()
    {
        const group *lp = ::getgrnam("lp");
        if (!lp)
            return false;
        for (const char *folder : {"", "spool", "cache", "state", "tmp", "log"}) {
            const QString at = path(folder);
            if (!QDir().mkpath(at) || ::chown(QFile::encodeName(at).constData(), uid_t(-1), lp->gr_gid) != 0
                || ::chmod(QFile::encodeName(at).constData(), 02775) != 0)
                return false;
        }
        const QString scheduler = QStringLiteral("Listen %1\nBrowsing No\nLogLevel warn\nPreserveJobFiles Yes\nDirtyCleanInterval 0\n"
                                                 "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n");
        const QString files = QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                                             "TempDir %1/tmp\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                             "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                             "User lp\nGroup lp\nSystemGroup root\nFileDevice Yes\n");
        return writeBytes(path("cupsd.conf"), scheduler.arg(path("cups.sock")).toUtf8())
            && writeBytes(path("cups-files.conf"), files.arg(m_dir.path()).toUtf8());
    }

    QTemporaryDir m_dir;
    QProcess m_scheduler;
    QString m_error;
};

} // namespace corvex
