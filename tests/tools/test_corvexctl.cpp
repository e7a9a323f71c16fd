#include "LocalStore.h"
#include "ProgramFile.h"
#include "StoreLock.h"
#include "TransferLog.h"
#include "support/BuiltPrograms.h"
#include "support/CtlProcess.h"
#include "support/FileFixtures.h"
#include "support/TestFolder.h"
#include "UserSettings.h"

#include <QSysInfo>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace corvex;

namespace {

// Runs the real tool. Permissions mean nothing to root, so as root the tool
// runs as the user nobody, from a copy in `folder` that nobody can reach.
CtlRun runAsUser(const QStringList &arguments, const QString &folder)
{
    if (geteuid() != 0)
        return runProcess(ctlProgram(), arguments);

    const QString copy = folder + QStringLiteral("/corvexctl");
    if (!QFile::copy(ctlProgram(), copy) || ::chmod(copy.toLocal8Bit(), 0755) != 0)
        return {};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LSAN_OPTIONS")); // its file may be out of nobody's reach
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const QStringList asNobody{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups"), QStringLiteral("--"), copy};
    return runProcess(QStringLiteral("setpriv"), asNobody + arguments, environment);
}

// A command line run while the store is locked, by this process or by one that is gone, and its exit code.
struct StoreInUse { QStringList arguments; bool staleLock; int exitCode; };
// A command line and the modes its store's folder and the store get; what it says.
struct Permissions { QStringList arguments; int folderMode, storeMode; QString message; };
// A command line (none: the per-user settings are written), the file it writes and the file size limit.
struct FullDisk { QStringList arguments; QString target; int limitKiB; };

} // namespace

class TestCorvexCtl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestFolder> m_folder;
    QString m_store, m_dir;
    QByteArray m_storeBytes;
    QByteArray m_programFileBytes; // program.txt, a program file

    QString path(const QString &name) const { return m_folder->path(name); }

    // "<store>" and "<dir>" in the words of a table row, made real.
    QStringList expanded(QStringList words) const
    {
        for (QString &word : words)
            word.replace(QStringLiteral("<store>"), m_store).replace(QStringLiteral("<dir>"), m_dir);
        return words;
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<TestFolder>();
        m_store = m_folder->store;
        m_dir = m_folder->folders.path();
        InstrumentData data = fullSampleData();
        data.programs[7].type = 0;
        data.programs[7].duration = 95;
        data.programs[7].vial(1) = {1, 2, 0, 1, 30, 37};
        data.programs[7].vial(2) = {201, 0, 1, 0, 5, 0};
        data.programs[9].duration = 333; // one the Corvex holds, so that program.txt imports
        QVERIFY(saveToStore(0, m_store, data) && saveToStore(7, m_store, data) && saveToStore(9, m_store, data));
        m_storeBytes = readBytes(m_store);
        QVERIFY(exportProgram(9, path("program.txt"), data) && QFile::link(m_store, path("link.ini"))
                && writeBytes(path("old.txt"), "an older program file"));
        m_programFileBytes = readBytes(path("program.txt"));
        QCOMPARE(::mkfifo(path("pipe").toLocal8Bit(), 0600), 0);
    }

    // Command lines, what they print on which stream, and their exit code;
    // none of them changes the store or program.txt.
    void commandLines_data()
    {
        QTest::addColumn<ToolRun>("row");
        const QString s = QStringLiteral("--store");
        const QString store = QStringLiteral("<store>");
        QTest::newRow("nothing") << ToolRun{{}, 2, "Usage: corvexctl COMMAND"};
        QTest::newRow("overview") << ToolRun{{"--help"}, 0, "\n  import-program N FILE  "};
        QTest::newRow("help of a command, before a wrong option") << ToolRun{{"export-program", "--bogus", "-h"}, 0, "Usage: corvexctl export-program N FILE [--store PATH] [--force]\n"};
        QTest::newRow("unknown command") << ToolRun{{"erase-all"}, 2, "Unknown command \"erase-all\""};
        QTest::newRow("show-program") << ToolRun{{"show-program", "07", s, store}, 0, QString::fromUtf8("Program07: \"tab\tinside\"\nType: LM\nTotal Time: 01h 35min\nVial 01: Paraffin \u00e9t\u00e9  AG2 01:30 37\u00b0C CONT\nVial 02: (unknown)     AG0 00:05 --\u00b0C PAUSE\n")};
        QTest::newRow("show-reagents, options first") << ToolRun{{"--store=<store>", "show-reagents"}, 0, "\nReagent 200: \"Reagent 200  \"\n"};
        QTest::newRow("no number") << ToolRun{{"show-program", s, store}, 2, "Too few arguments."};
        QTest::newRow("extra argument") << ToolRun{{"show-reagents", "7", s, store}, 2, "Too many arguments: \"7\""};
        QTest::newRow("number 0") << ToolRun{{"show-program", "0", s, store}, 2, "from 1 to 99, not \"0\""};
        QTest::newRow("number 100") << ToolRun{{"export-program", "100", "x.txt", s, store}, 2, "not \"100\""};
        QTest::newRow("unknown option") << ToolRun{{"show-reagents", "--port=3"}, 2, "Unknown option \"--port\"."};
        QTest::newRow("store without path") << ToolRun{{"show-reagents", s}, 2, "The option --store needs a PATH."};
        QTest::newRow("switch with a value") << ToolRun{{"export-program", "7", "<dir>/program.txt", "--force=no", s, store}, 2, "The option --force takes no value."};
        QTest::newRow("store missing") << ToolRun{{"show-reagents", s, "<dir>/none.ini"}, 1, "There is no store"};
        QTest::newRow("store is a folder") << ToolRun{{"import-program", "3", "<dir>/program.txt", s, "<dir>"}, 1, "is a folder"};
        QTest::newRow("not a program file") << ToolRun{{"import-program", "3", store, s, store}, 1, "This is not a valid Program File."};
        QTest::newRow("export") << ToolRun{{"export-program", "7", "<dir>/seven.txt", s, store}, 0, "Program07 (\"tab\tinside\") has been saved to \""};
        QTest::newRow("export, replacing a file") << ToolRun{{"export-program", "9", "<dir>/old.txt", "--force", s, store}, 0, "Program09"};
        QTest::newRow("import into a new store") << ToolRun{{"import-program", "3", "<dir>/program.txt", s, "<dir>/new.ini"}, 0, "Program03 (\"\") has been replaced by \""};
        QTest::newRow("export onto a link to the store") << ToolRun{{"export-program", "7", "<dir>/link.ini", "--force", s, store}, 1, "is the local store itself"};
        QTest::newRow("export onto an existing file") << ToolRun{{"export-program", "7", "<dir>/program.txt", s, store}, 1, "already exists. Give --force"};
        QTest::newRow("export onto a pipe") << ToolRun{{"export-program", "7", "<dir>/pipe", "--force", s, store}, 1, "is not a regular file"};
        QTest::newRow("backup onto an existing file") << ToolRun{{"backup", "<dir>/program.txt", "--port", "/nonexistent/tty"}, 1, "already exists. Give --force"};
        QTest::newRow("backup onto a pipe") << ToolRun{{"backup", "<dir>/pipe", "--force", "--port", "/nonexistent/tty"}, 1, "is not a regular file"};
        QTest::newRow("an hour that is none") << ToolRun{{"log", "--since", "2026-12-07T25:00"}, 2, "not \"2026-12-07T25:00\""};
    }

    void commandLines()
    {
        QFETCH(ToolRun, row); // the text on standard output after success, on standard error otherwise
        const auto &[arguments, exitCode, text] = row;

        const CtlRun run = runProcess(ctlProgram(), expanded(arguments));
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2((exitCode == 0 ? run.out : run.err).contains(text), qPrintable(run.out + run.err));
        QCOMPARE(exitCode == 0 ? run.err : run.out, QString());
        QCOMPARE(readBytes(m_store), m_storeBytes);
        QCOMPARE(readBytes(path("program.txt")), m_programFileBytes);
    }

    void importReplacesOneProgram()
    {
        const CtlRun done = runProcess(ctlProgram(), {"import-program", "12", path("program.txt"), "--store", m_store});
        QVERIFY2(done.out.startsWith(QStringLiteral("Program12 (\"\") has been replaced by \"'single'\"")), qPrintable(done.out));
        InstrumentData stored;
        QVERIFY(loadStore(m_store, stored));
        QVERIFY(stored.programs[12] == stored.programs[9]);
    }

    void permissionsAreRespected_data()
    {
        QTest::addColumn<Permissions>("row");
        QTest::newRow("read-only folder") << Permissions{{"import-program", "9", "<dir>/program.txt"}, 0555, 0644, "Cannot write"};
        QTest::newRow("unreadable store") << Permissions{{"show-reagents"}, 0777, 0, "Cannot read"};
    }

    void permissionsAreRespected()
    {
        QFETCH(Permissions, row);
        const auto &[arguments, folderMode, storeMode, message] = row;

        const QString folder = path("locked");
        const QString store = folder + QStringLiteral("/CORVEX.ini");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(m_store, store));
        for (const auto &[file, mode] : {std::pair{m_dir, 0755}, {path("program.txt"), 0644}, {store, storeMode}, {folder, folderMode}})
            QVERIFY(::chmod(QFile::encodeName(file).constData(), mode_t(mode)) == 0);

        const CtlRun failed = runAsUser(expanded(arguments) << QStringLiteral("--store") << store, m_dir);

        ::chmod(folder.toLocal8Bit(), 0755);
        ::chmod(store.toLocal8Bit(), 0644);
        QCOMPARE(failed.exitCode, 1);
        QVERIFY2(failed.err.contains(message), qPrintable(failed.err));
        QCOMPARE(readBytes(store), m_storeBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("CORVEX.ini")});
    }

    void aFullDiskLeavesEveryFileAsItWas_data()
    {
        QTest::addColumn<FullDisk>("row");
        QTest::newRow("store") << FullDisk{{"import-program", "3", "<dir>/program.txt", "--store", "<store>"}, "<store>", 2};
        QTest::newRow("program file") << FullDisk{{"export-program", "7", "<dir>/program.txt", "--force", "--store", "<store>"}, "<dir>/program.txt", 1};
        QTest::newRow("pdf") << FullDisk{{"print-reagents", "--pdf", "<dir>/sheets.pdf", "--store", "<store>"}, "<dir>/sheets.pdf", 4};
        QTest::newRow("settings") << FullDisk{{}, {}, 1};
    }

    void aFullDiskLeavesEveryFileAsItWas()
    {
        QFETCH(FullDisk, row);
        auto [arguments, target, limitKiB] = row;

        QVERIFY(writeBytes(path("sheets.pdf"), "the previous archive"));
        QVERIFY(writeUserSetting(UserSetting::comment, QStringLiteral("before")));
        target = target.isEmpty() ? openUserSettings()->fileName() : expanded({target}).constFirst();
        const QByteArray before = readBytes(target);
        const QStringList filesBefore = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);

        // Every file written is cut at the limit, with EFBIG instead of a signal, as on a full disk.
        int exitCode = -1;
        if (arguments.isEmpty()) {
            const pid_t child = ::fork();
            if (child == 0) {
                const rlimit limit{rlim_t(limitKiB) * 1024, rlim_t(limitKiB) * 1024};
                ::signal(SIGXFSZ, SIG_IGN);
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::_exit(writeUserSetting(UserSetting::comment, QString(6000, QLatin1Char('x'))) ? 0 : 1);
            }
            int status = 0;
            QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status));
            exitCode = WEXITSTATUS(status);
        } else {
            const CtlRun run = runCtlOnAFullDisk(expanded(arguments), limitKiB);
            exitCode = run.exitCode;
            // The system's reason ("File too large"), not "Unknown error".
            QVERIFY2(run.err.contains(QStringLiteral("Cannot write \"%1\"").arg(target)) && !run.err.contains(QStringLiteral("Unknown error")),
                     qPrintable(run.err));
        }
        QCOMPARE(exitCode, 1);
        QCOMPARE(readBytes(target), before);
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }

    void aStoreInUseIsRefused_data()
    {
        QTest::addColumn<StoreInUse>("row");
        const QStringList import{"import-program", "7", "<dir>/program.txt"};
        QTest::newRow("saving") << StoreInUse{import, false, 1};
        QTest::newRow("only showing") << StoreInUse{QStringList{"show-program", "7"}, false, 0};
        QTest::newRow("lock left by a crashed run") << StoreInUse{import, true, 0};
    }

    void aStoreInUseIsRefused()
    {
        QFETCH(StoreInUse, row);
        const auto &[arguments, staleLock, exitCode] = row;
        const QString lockFile = StoreLock::lockFilePath(m_store);
        auto held = std::make_unique<StoreLock>(m_store);
        QVERIFY(held->tryLock());
        if (staleLock) {
            // The same lock, as a run that crashed leaves it: its process is gone.
            const pid_t deadPid = ::fork();
            if (deadPid == 0)
                ::_exit(0);
            QVERIFY(deadPid > 0 && ::waitpid(deadPid, nullptr, 0) == deadPid);
            QByteArray lock = readBytes(lockFile);
            held.reset();
            QVERIFY(writeBytes(lockFile, QByteArray::number(deadPid) + lock.sliced(lock.indexOf('\n'))));
        }

        const CtlRun run = runProcess(ctlProgram(), expanded(arguments) << QStringLiteral("--store") << m_store);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0) {
            QVERIFY2(run.err.contains(QStringLiteral("is in use by another Corvex Utility")), qPrintable(run.err));
            QCOMPARE(readBytes(m_store), m_storeBytes);
        }
        QCOMPARE(QFile::exists(lockFile), !staleLock); // a lock taken over goes with its run
    }

    // A lock file that names no live process here is taken over; one from
    // another computer is respected and named; a backup respects a lock too.
    void lockFilesOfNobodyAreTakenOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message"); // empty: done
        const QStringList import{"import-program", "7", "<dir>/program.txt", "--store", "<store>"};
        QTest::newRow("empty") << QByteArray() << import << QString();
        QTest::newRow("garbage") << QByteArray("\x01garbage\n\n") << import << QString();
        QTest::newRow("process 0") << "0\ncorvexctl\n" + QSysInfo::machineHostName().toUtf8() + '\n' << import << QString();
        QTest::newRow("another computer") << QByteArray("1\ncorvexctl\nlab-pc-7\n") << import
                                          << "on the computer \"lab-pc-7\". If that computer no longer uses it, remove the lock file \"<store>.lock\"";
        QTest::newRow("backup onto a store in use") << QByteArray("1\ncorvexctl\nlab-pc-7\n")
                                                    << QStringList{"backup", "<store>", "--force", "--port", "/nonexistent/tty"} << "lab-pc-7";
    }

    void lockFilesOfNobodyAreTakenOver()
    {
        QFETCH(QByteArray, lock);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const QString lockFile = StoreLock::lockFilePath(m_store);
        QVERIFY(writeBytes(lockFile, lock));
        const CtlRun run = runProcess(ctlProgram(), expanded(arguments));
        QCOMPARE(run.exitCode, message.isEmpty() ? 0 : 1);
        QVERIFY2(run.err.contains(expanded({message}).constFirst()), qPrintable(run.err));
        QCOMPARE(QFile::exists(lockFile), !message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(readBytes(m_store), m_storeBytes);
    }

    // As root, like the kernel's protected_symlinks: a link of another user
    // in a world-writable sticky folder is not followed.
    void foreignLinksInOpenFoldersAreNotFollowed()
    {
        if (::geteuid() != 0)
            QSKIP("Only root would follow the link.");
        QVERIFY(QDir(m_dir).mkdir(QStringLiteral("open")) && ::chmod(path("open").toLocal8Bit(), 01777) == 0);
        QVERIFY(::symlink(path("program.txt").toLocal8Bit(), path("open/planted.txt").toLocal8Bit()) == 0
                && ::lchown(path("open/planted.txt").toLocal8Bit(), 65534, 65534) == 0);
        const CtlRun run = runProcess(ctlProgram(), {"export-program", "7", path("open/planted.txt"), "--force", "--store", m_store});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("symbolic link of another user")), qPrintable(run.err));
        QCOMPARE(readBytes(path("program.txt")), m_programFileBytes);
    }

    void logSinceATime()
    {
        TransferLog log(transferLogPath());
        for (const QString &time : {QStringLiteral("2026-12-07T22:59:00"), QStringLiteral("2026-12-07T23:00:00")}) {
            TransferLogEntry entry = log.newEntry(LogOperation::ReadAll, time);
            entry.time = QDateTime::fromString(time, Qt::ISODate);
            QVERIFY(log.append(entry));
        }
        const CtlRun run = runProcess(ctlProgram(), {"log", "--since", "2026-12-07T23:00"});
        QCOMPARE(run.out.count(QLatin1Char('\n')), 1);
        QVERIFY2(run.out.contains(QStringLiteral("\"2026-12-07T23:00:00\"")), qPrintable(run.out));
    }
};

QTEST_GUILESS_MAIN(TestCorvexCtl)
#include "test_corvexctl.moc"
