#include "LocalStore.h"
#include "ProgramFile.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace corvex;

namespace {

// A valid program file with every key; `replace` swaps one line for another.
QByteArray programFile(const QByteArray &line = {}, const QByteArray &replacement = {})
{
    QByteArray text = "[Program]\r\nName=Imported\r\nDuration=120\r\nType=EM\r\n";
    for (int v = 1; v <= vialCount; ++v) {
        const QByteArray prefix = 'V' + QByteArray::number(v).rightJustified(2, '0');
        text += prefix + "Reagent=" + QByteArray::number(v + 1) + "\r\n" + prefix + "Agit=1\r\n" + prefix
            + "Pause=0\r\n" + prefix + "Hrs=0\r\n" + prefix + "Min=5\r\n" + prefix + "Temp=40\r\n";
    }
    if (!line.isEmpty())
        text.replace(line + "\r\n", replacement);
    return text;
}

// A program file and the name and type it gives program 5.
struct Imported { QByteArray file, name; int type; };

} // namespace

class TestProgramFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_file;

private Q_SLOTS:
    void init()
    {
        m_file = m_dir.filePath(QStringLiteral("program.txt"));
        QFile::remove(m_file);
    }

    void exportThenImportCopiesTheWholeProgram()
    {
        InstrumentData source = fullSampleData();
        for (int p : {2, 8, 11}) { // names with a lone quote, with "=;[" and with leading blanks
            source.programs[p].duration = p * 37; // one the instrument holds
            writeBytes(m_file, "[Program07]\r\nName=other\r\n[Program]\r\nStale=1\r\n");
            QVERIFY(exportProgram(p, m_file, source));
            const QByteArray written = readBytes(m_file);
            QVERIFY(written.startsWith("[Program]\r\nName="));
            QCOMPARE(written.count("\n["), 0); // one section, at the top
            QVERIFY(!written.contains("Stale"));

            InstrumentData target = fullSampleData();
            QVERIFY(readProgramFile(12, m_file, target));
            QVERIFY2(target.programs[12] == source.programs[p], qPrintable(QString::number(p)));
        }
    }

    void importEditsOnlyWhatTheFileSays_data()
    {
        QTest::addColumn<Imported>("row");
        QTest::newRow("complete file") << Imported{programFile(), QByteArray("Imported     "), 1};
        QTest::newRow("no name keeps the old one") << Imported{programFile("Name=Imported"), QByteArray("Old          "), 1};
        QTest::newRow("empty name imports") << Imported{programFile("Name=Imported", "Name=\r\n"), QByteArray(13, ' '), 1};
        QTest::newRow("long name cut") << Imported{programFile("Name=Imported", "Name=A name far too long\r\n"), QByteArray("A name far to"), 1};
        QTest::newRow("LM, other sections and keys ignored") << Imported{"[Reagents]\r\nR001=x\r\n" + programFile("Type=EM", "tYPE=LM\r\nComment=ignored\r\n"), QByteArray("Imported     "), 0};
    }

    void importEditsOnlyWhatTheFileSays()
    {
        QFETCH(Imported, row);
        const auto &[file, name, type] = row;
        QVERIFY(writeBytes(m_file, file));
        InstrumentData data;
        data.programs[5].name = "Old          ";
        data.programs[5].type = 1 - type;
        const ImportResult result = readProgramFile(5, m_file, data);
        QVERIFY(result && result.message.isEmpty());
        const ProgramRecord &p = data.programs[5]; // the duration as stored, not recomputed
        QVERIFY(p.name == name && p.type == type && p.duration == 120 && p.vial(24) == (VialStep{25, 1, 0, 0, 5, 40}));
    }

    void aBadFileChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("named"); // what the message names after "This is not a valid Program File."

        const int notAProgram = int(ImportResult::Status::NotAProgramFile);
        QTest::newRow("empty file") << QByteArray() << notAProgram << "[Program] Duration is missing.";
        QTest::newRow("garbage") << garbage(10'000, 5) << notAProgram << "[Program] Duration is missing.";
        QTest::newRow("store section instead") << programFile().replace("[Program]", "[Program07]") << notAProgram << "Duration";
        QTest::newRow("no duration") << programFile("Duration=120") << notAProgram << "[Program] Duration is missing.";
        QTest::newRow("last key missing") << programFile("V24Temp=40") << notAProgram << "[Program] V24Temp is missing.";
        QTest::newRow("not a number") << programFile("V05Min=5", "V05Min=five\r\n") << notAProgram << "V05Min=five: is not a number.";
        QTest::newRow("huge line") << programFile("V01Hrs=0", "V01Hrs=" + QByteArray(3'000'000, '9') + "\r\n") << notAProgram << "V01Hrs=";
        QTest::newRow("hours 300") << programFile("V03Hrs=0", "V03Hrs=300\r\n") << notAProgram << "V03Hrs=300: must be 0 to 99.";
        QTest::newRow("minutes 99") << programFile("V24Min=5", "V24Min=99\r\n") << notAProgram << "V24Min=99: must be 0 to 59.";
        QTest::newRow("reagent 250") << programFile("V01Reagent=2", "V01Reagent=250\r\n") << notAProgram << "must be 1 to 200.";
        QTest::newRow("temperature 2") << programFile("V01Temp=40", "V01Temp=2\r\n") << notAProgram << "must be 0 (off) or 4 to 60.";
        QTest::newRow("duration -1") << programFile("Duration=120", "Duration=-1\r\n") << notAProgram << "Duration=-1: must be 0 or more.";
        QTest::newRow("type XX") << programFile("Type=EM", "Type=XX\r\n") << notAProgram << "Type=XX: must be LM or EM.";
        QTest::newRow("missing file") << QByteArray("<none>") << int(ImportResult::Status::Unreadable) << "";
        QTest::newRow("a folder") << QByteArray("<folder>") << int(ImportResult::Status::Unreadable) << "";
    }

    void aBadFileChangesNothing()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, status);
        QFETCH(QString, named);

        if (file == "<folder>")
            QDir().mkpath(m_file);
        else if (file != "<none>")
            writeBytes(m_file, file);
        InstrumentData data = fullSampleData();
        const ImportResult result = readProgramFile(5, m_file, data);
        QVERIFY(!result);
        QCOMPARE(int(result.status), status);
        QVERIFY2(named.isEmpty() ? result.message.contains(m_file)
                                 : result.message.startsWith(QStringLiteral("This is not a valid Program File.\n"))
                                       && result.message.contains(named),
                 qPrintable(result.message));
        QVERIFY(data.programs == fullSampleData().programs);
        QDir(m_file).removeRecursively();
    }

    void exportFailuresSayWhyAndOnlyReadableFilesExist()
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("folder")));
        for (const auto &[target, number] : {std::pair{"missing/program.txt", 7}, {"folder", 7}, {"program.txt", 0}}) {
            const StoreResult exported = exportProgram(number, m_dir.filePath(QLatin1String(target)), fullSampleData());
            QVERIFY2(!exported && !exported.error.isEmpty(), target);
        }
        QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("folder"))).isDir());
        QVERIFY(!QFile::exists(m_file));

        writeBytes(m_file, "x");
        QVERIFY(fileExists(m_file) && !fileExists(m_dir.filePath(QStringLiteral("none.txt"))) && !fileExists(m_dir.path()) && !fileExists(QString()));
    }
};

QTEST_GUILESS_MAIN(TestProgramFile)
#include "test_program_file.moc"
