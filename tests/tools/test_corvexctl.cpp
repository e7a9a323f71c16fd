#include "model/LocalStore.h"
#include "model/ProgramFile.h"
#include "model/StoreLock.h"
#include "model/UserSettings.h"
#include "support/BuiltPrograms.h"
#include "support/CtlRun.h"
#include "support/FileFixtures.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs the real tool. Permissions mean nothing to root, so as root the tool
// runs as the user nobody, from a copy in `folder` that nobody can reach.
CtlRun runAsUser(const QStringList &arguments, const QString &folder)
{
    const QString program = CtlProgram();
    if (geteuid() != 0)
        return RunProcess(program, arguments);

    const QString copy = folder + QStringLiteral("/corvexctl");
    QFile::remove(copy);
    if (!QFile::copy(program, copy) || ::chmod(copy.toLocal8Bit(), 0755) != 0)
        return {};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LSAN_OPTIONS")); // its file may be out of nobody's reach
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    const QStringList asNobody{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                               QStringLiteral("--clear-groups"), QStringLiteral("--"), copy};
    return RunProcess(QStringLiteral("setpriv"), asNobody + arguments, environment);
}

} // namespace

class TestCorvexCtl : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<IsolatedUserFolders> m_folders;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_store;
    QByteArray m_storeBytes;

    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }

private Q_SLOTS:
    void init()
    {
        m_folders = std::make_unique<IsolatedUserFolders>();
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = path("CORVEX.ini");
        InstrumentData data = FullSampleData();
        data.programs[7].Type = 0;
        data.programs[7].Duration = 95;
        data.programs[7].vial(1) = {1, 2, 0, 1, 30, 37};
        data.programs[7].vial(2) = {201, 0, 1, 0, 5, 0};
        QVERIFY(SaveToStore(0, m_store, data) && SaveToStore(7, m_store, data) && SaveToStore(9, m_store, data));
        m_storeBytes = ReadBytes(m_store);
    }

    void showProgramPrintsTheUsedVials()
    {
        const CtlRun shown = RunCtl({QStringLiteral("show-program"), QStringLiteral("07"), QStringLiteral("--store"), m_store});
        QCOMPARE(shown.exitCode, 0);
        QCOMPARE(shown.err, QString());
        const QStringList lines = shown.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3 + 12 + 1);
        QCOMPARE(lines.mid(0, 5),
                 (QStringList{QStringLiteral("Program07: \"tab\tinside\""), QStringLiteral("Type: LM"),
                              QStringLiteral("Total Time: 01h 35min"),
                              QString::fromUtf8("Vial 01: Paraffin \u00e9t\u00e9  AG2 01:30 37\u00b0C CONT"),
                              QString::fromUtf8("Vial 02: (unknown)     AG0 00:05 --\u00b0C PAUSE")}));
        QVERIFY(lines.at(14).startsWith(QStringLiteral("Vial 12: ")));
    }

    void showReagentsPrintsTheListLines()
    {
        const CtlRun shown = RunCtl({QStringLiteral("show-reagents"), QStringLiteral("--store=") + m_store});
        QCOMPARE(shown.exitCode, 0);
        const QStringList lines = shown.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 201);
        QCOMPARE(lines.at(0), QString::fromUtf8("Reagent 001: \"Paraffin \u00e9t\u00e9 \""));
        QCOMPARE(lines.at(199), QStringLiteral("Reagent 200: \"Reagent 200  \""));
    }

    void exportAndImportGoThroughFiles()
    {
        const QString file = path("seven.txt");
        CtlRun done = RunCtl({QStringLiteral("export-program"), QStringLiteral("7"), file, QStringLiteral("--store"), m_store});
        QCOMPARE(done.exitCode, 0);
        QVERIFY(done.out.contains(QStringLiteral("Program07 (\"tab\tinside\") has been saved")));
        QCOMPARE(ReadBytes(m_store), m_storeBytes);

        done = RunCtl({QStringLiteral("export-program"), QStringLiteral("9"), file, QStringLiteral("--store"), m_store, QStringLiteral("--force")});
        QCOMPARE(done.exitCode, 0);
        QCOMPARE(RunCtl({QStringLiteral("export-program"), QStringLiteral("7"), file, QStringLiteral("--store"), m_store, QStringLiteral("--force")}).exitCode, 0);

        done = RunCtl({QStringLiteral("import-program"), QStringLiteral("12"), file, QStringLiteral("--store"), m_store});
        QCOMPARE(done.exitCode, 0);
        QVERIFY2(done.out.startsWith(QStringLiteral("Program12 (\"\") has been replaced by \"tab\tinside\"")), qPrintable(done.out));
        InstrumentData stored;
        QVERIFY(LoadStore(m_store, stored));
        QVERIFY(stored.programs[12] == stored.programs[7]);

        // Importing into a store that does not exist yet creates it.
        const QString fresh = path("fresh/CORVEX.ini");
        QDir().mkpath(path("fresh"));
        QCOMPARE(RunCtl({QStringLiteral("import-program"), QStringLiteral("3"), file, QStringLiteral("--store"), fresh}).exitCode, 0);
        QVERIFY(ReadBytes(fresh).startsWith("[Program03]\r\nName=tab\tinside"));
    }

    void failuresSayWhyAndChangeNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");

        const QString s = QStringLiteral("--store");
        const QString store = QStringLiteral("<store>");
        QTest::newRow("nothing") << QStringList() << 2 << QStringLiteral("Usage: corvexctl COMMAND");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("erase-all")} << 2 << QStringLiteral("Unknown command \"erase-all\"");
        QTest::newRow("no number") << QStringList{QStringLiteral("show-program"), s, store} << 2 << QStringLiteral("Too few arguments");
        QTest::newRow("number 0") << QStringList{QStringLiteral("show-program"), QStringLiteral("0"), s, store} << 2 << QStringLiteral("from 1 to 99, not \"0\"");
        QTest::newRow("number 100") << QStringList{QStringLiteral("export-program"), QStringLiteral("100"), QStringLiteral("x.txt"), s, store} << 2 << QStringLiteral("not \"100\"");
        QTest::newRow("number -1") << QStringList{QStringLiteral("import-program"), QStringLiteral("-1"), QStringLiteral("x.txt"), s, store} << 2 << QStringLiteral("not \"-1\"");
        QTest::newRow("number 7.5") << QStringList{QStringLiteral("show-program"), QStringLiteral("7.5"), s, store} << 2 << QStringLiteral("not \"7.5\"");
        QTest::newRow("extra argument") << QStringList{QStringLiteral("show-reagents"), QStringLiteral("7"), s, store} << 2 << QStringLiteral("Too many arguments: \"7\"");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("show-reagents"), QStringLiteral("--port=3")} << 2 << QStringLiteral("Unknown option \"--port=3\"");
        QTest::newRow("store without path") << QStringList{QStringLiteral("show-reagents"), s} << 2 << QStringLiteral("--store needs a PATH");
        QTest::newRow("store missing") << QStringList{QStringLiteral("show-reagents"), s, QStringLiteral("<dir>/none.ini")} << 1 << QStringLiteral("There is no store");
        QTest::newRow("store is a folder") << QStringList{QStringLiteral("import-program"), QStringLiteral("3"), QStringLiteral("<dir>/program.txt"), s, QStringLiteral("<dir>")} << 1 << QStringLiteral("is a folder");
        QTest::newRow("not a program file") << QStringList{QStringLiteral("import-program"), QStringLiteral("3"), store, s, store} << 1 << QStringLiteral("This is not a valid Program File.");
        QTest::newRow("program file missing") << QStringList{QStringLiteral("import-program"), QStringLiteral("3"), QStringLiteral("<dir>/none.txt"), s, store} << 1 << QStringLiteral("none.txt");
        QTest::newRow("export onto the store") << QStringList{QStringLiteral("export-program"), QStringLiteral("7"), store, QStringLiteral("--force"), s, store} << 1 << QStringLiteral("is the local store itself");
        QTest::newRow("export onto a link to the store") << QStringList{QStringLiteral("export-program"), QStringLiteral("7"), QStringLiteral("<dir>/link.ini"), QStringLiteral("--force"), s, store} << 1 << QStringLiteral("is the local store itself");
        QTest::newRow("export onto an existing file") << QStringList{QStringLiteral("export-program"), QStringLiteral("7"), QStringLiteral("<dir>/program.txt"), s, store} << 1 << QStringLiteral("already exists. Give --force");
        QTest::newRow("export into nowhere") << QStringList{QStringLiteral("export-program"), QStringLiteral("3"), QStringLiteral("<dir>/CORVEX.ini/x.txt"), s, store} << 1 << QStringLiteral("Cannot write");
    }

    void failuresSayWhyAndChangeNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);

        WriteBytes(path("program.txt"), "[Program]\r\nName=x\r\n");
        QFile::link(m_store, path("link.ini"));
        for (QString &argument : arguments)
            argument.replace(QStringLiteral("<store>"), m_store).replace(QStringLiteral("<dir>"), m_dir->path());
        const CtlRun failed = RunCtl(arguments);
        QCOMPARE(failed.exitCode, exitCode);
        QCOMPARE(failed.out, QString());
        QVERIFY2(failed.err.contains(message), qPrintable(failed.err));
        QCOMPARE(ReadBytes(m_store), m_storeBytes);
        QCOMPARE(ReadBytes(path("program.txt")), QByteArray("[Program]\r\nName=x\r\n"));
    }

    void permissionsAreRespected_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("storeMode");
        QTest::addColumn<QString>("message");

        QTest::newRow("read-only folder") << QStringLiteral("import-program") << 0555 << 0644 << QStringLiteral("Cannot write");
        QTest::newRow("read-only store") << QStringLiteral("import-program") << 0777 << 0444 << QStringLiteral("is read-only");
        QTest::newRow("unreadable store, import") << QStringLiteral("import-program") << 0777 << 0 << QStringLiteral("Cannot read");
        QTest::newRow("unreadable store, show") << QStringLiteral("show-reagents") << 0777 << 0 << QStringLiteral("Cannot read");
        QTest::newRow("read-only folder, export") << QStringLiteral("export-program") << 0555 << 0444 << QStringLiteral("Cannot write");
    }

    void permissionsAreRespected()
    {
        QFETCH(QString, command);
        QFETCH(int, folderMode);
        QFETCH(int, storeMode);
        QFETCH(QString, message);

        const QString folder = path("locked");
        const QString store = folder + QStringLiteral("/CORVEX.ini");
        const QString programFile = path("program.txt");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(m_store, store));
        QVERIFY(ExportProgram(9, programFile, FullSampleData()));
        QVERIFY(::chmod(m_dir->path().toLocal8Bit(), 0755) == 0);
        QVERIFY(::chmod(programFile.toLocal8Bit(), 0644) == 0);
        QVERIFY(::chmod(store.toLocal8Bit(), mode_t(storeMode)) == 0);
        QVERIFY(::chmod(folder.toLocal8Bit(), mode_t(folderMode)) == 0);

        QStringList arguments{command};
        if (command != QLatin1String("show-reagents"))
            arguments << QStringLiteral("9") << (command == QLatin1String("export-program") ? folder + QStringLiteral("/out.txt") : programFile);
        const CtlRun failed = runAsUser(arguments << QStringLiteral("--store") << store, m_dir->path());

        ::chmod(folder.toLocal8Bit(), 0755);
        ::chmod(store.toLocal8Bit(), 0644);
        QCOMPARE(failed.exitCode, 1);
        QVERIFY2(failed.err.contains(message), qPrintable(failed.err));
        QCOMPARE(ReadBytes(store), m_storeBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("CORVEX.ini")});
    }

    void aFullDiskLeavesEveryFileAsItWas_data()
    {
        QTest::addColumn<QStringList>("arguments"); // empty: the per-user settings
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("limitKiB");

        const QString s = QStringLiteral("--store");
        QTest::newRow("store") << QStringList{QStringLiteral("import-program"), QStringLiteral("3"), QStringLiteral("<dir>/program.txt"), s, QStringLiteral("<store>")}
                               << QStringLiteral("<store>") << 2;
        QTest::newRow("program file") << QStringList{QStringLiteral("export-program"), QStringLiteral("7"), QStringLiteral("<dir>/program.txt"), QStringLiteral("--force"), s, QStringLiteral("<store>")}
                                      << QStringLiteral("<dir>/program.txt") << 1;
        QTest::newRow("pdf") << QStringList{QStringLiteral("print-reagents"), QStringLiteral("--pdf"), QStringLiteral("<dir>/sheets.pdf"), s, QStringLiteral("<store>")}
                             << QStringLiteral("<dir>/sheets.pdf") << 4;
        QTest::newRow("settings") << QStringList() << QString() << 1;
    }

    void aFullDiskLeavesEveryFileAsItWas()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, target);
        QFETCH(int, limitKiB);

        QVERIFY(ExportProgram(9, path("program.txt"), FullSampleData()));
        QVERIFY(WriteBytes(path("sheets.pdf"), "the previous archive"));
        QVERIFY(WriteUserSetting(UserSetting::Comment, QStringLiteral("before")));
        if (target.isEmpty())
            target = OpenUserSettings()->fileName();
        for (QString *text : {&target})
            text->replace(QStringLiteral("<store>"), m_store).replace(QStringLiteral("<dir>"), m_dir->path());
        for (QString &argument : arguments)
            argument.replace(QStringLiteral("<store>"), m_store).replace(QStringLiteral("<dir>"), m_dir->path());
        const QByteArray before = ReadBytes(target);
        const QStringList filesBefore = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);

        // Every file written is cut at the limit, with EFBIG instead of a signal, as on a full disk.
        int exitCode = -1;
        QString err;
        if (arguments.isEmpty()) {
            const pid_t child = ::fork();
            if (child == 0) {
                const rlimit limit{rlim_t(limitKiB) * 1024, rlim_t(limitKiB) * 1024};
                ::signal(SIGXFSZ, SIG_IGN);
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::_exit(WriteUserSetting(UserSetting::Comment, QString(6000, QLatin1Char('x'))) ? 0 : 1);
            }
            int status = 0;
            QVERIFY(child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status));
            exitCode = WEXITSTATUS(status);
        } else {
            const CtlRun run = RunProcess(QStringLiteral("bash"),
                                          QStringList{QStringLiteral("-c"),
                                                      QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(limitKiB),
                                                      CtlProgram()}
                                              + arguments);
            exitCode = run.exitCode;
            err = run.err;
            QVERIFY2(err.contains(QStringLiteral("Cannot write \"%1\"").arg(target)), qPrintable(err));
        }
        QCOMPARE(exitCode, 1);
        QCOMPARE(ReadBytes(target), before);
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }

    void aStoreInUseIsRefused_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("staleLock");
        QTest::addColumn<int>("exitCode");

        QTest::newRow("saving") << QStringLiteral("import-program") << false << 1;
        QTest::newRow("only showing") << QStringLiteral("show-program") << false << 0;
        QTest::newRow("lock left by a crashed run") << QStringLiteral("import-program") << true << 0;
    }

    void aStoreInUseIsRefused()
    {
        QFETCH(QString, command);
        QFETCH(bool, staleLock);
        QFETCH(int, exitCode);

        QVERIFY(ExportProgram(7, path("program.txt"), FullSampleData()));
        const QString lockFile = StoreLock::LockFilePath(m_store);
        auto held = std::make_unique<StoreLock>(m_store);
        QVERIFY(held->tryLock());
        if (staleLock) {
            // The same lock, as a run that crashed leaves it: its process is gone.
            QProcess ended;
            ended.start(QStringLiteral("true"));
            QVERIFY(ended.waitForStarted());
            const qint64 deadPid = ended.processId();
            QVERIFY(ended.waitForFinished());
            QByteArray lock = ReadBytes(lockFile);
            held.reset();
            QVERIFY(WriteBytes(lockFile, QByteArray::number(deadPid) + lock.sliced(lock.indexOf('\n'))));
        }

        QStringList arguments{command, QStringLiteral("7")};
        if (command == QLatin1String("import-program"))
            arguments << path("program.txt");
        const CtlRun run = RunProcess(CtlProgram(), arguments << QStringLiteral("--store") << m_store);
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode != 0) {
            QVERIFY2(run.err.contains(QStringLiteral("is in use by another Corvex Utility")), qPrintable(run.err));
            QCOMPARE(ReadBytes(m_store), m_storeBytes);
        }
        QCOMPARE(QFile::exists(lockFile), !staleLock); // a lock taken over goes with its run
    }

    void helpGoesToStandardOutput()
    {
        const CtlRun overview = RunCtl({QStringLiteral("--help")});
        QCOMPARE(overview.exitCode, 0);
        for (const char *command : {"show-program N", "show-reagents", "export-program N FILE", "import-program N FILE"})
            QVERIFY2(overview.out.contains(QLatin1String(command)), command);
        const CtlRun one = RunCtl({QStringLiteral("export-program"), QStringLiteral("-h")});
        QCOMPARE(one.exitCode, 0);
        QVERIFY(one.out.startsWith(QStringLiteral("Usage: corvexctl export-program N FILE [--store PATH]")));
    }

    void theProgramPrintsUtf8AndItsExitCode()
    {
        QProcess tool;
        tool.start(CtlProgram(), {QStringLiteral("show-reagents"), QStringLiteral("--store"), m_store});
        QVERIFY(tool.waitForFinished(60'000));
        QCOMPARE(tool.exitCode(), 0);
        QVERIFY(tool.readAllStandardOutput().startsWith("Reagent 001: \"Paraffin \xC3\xA9t\xC3\xA9 \"\n"));

        tool.start(CtlProgram(), {QStringLiteral("show-program"), QStringLiteral("100")});
        QVERIFY(tool.waitForFinished(60'000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardError().contains("not \"100\""));
    }
};

QTEST_GUILESS_MAIN(TestCorvexCtl)
#include "test_corvexctl.moc"
