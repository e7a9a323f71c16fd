#include "model/IniFile.h"
#include "model/LocalStore.h"
#include "model/StorePath.h"
#include "support/FileFixtures.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray name13(const QByteArray &name)
{
    return (name + QByteArray(NameLength, ' ')).left(NameLength);
}

} // namespace

class TestLocalStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_store;

    InstrumentData load(const QByteArray &bytes)
    {
        WriteBytes(m_store, bytes);
        InstrumentData data = FullSampleData(); // anything the load must replace
        const StoreResult loaded = LoadStore(m_store, data);
        if (!loaded)
            qWarning() << loaded.error;
        return data;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_store = m_dir.filePath(QStringLiteral("CORVEX.ini"));
        QFile::remove(m_store);
    }

    void aMissingStoreGivesBlankDataAndNoFile()
    {
        InstrumentData data = FullSampleData();
        QVERIFY(LoadStore(m_store, data));
        QVERIFY(data.reagents == ReagentTable());
        for (int p = 1; p <= ProgramCount; ++p)
            QVERIFY(data.programs[p] == ProgramRecord::Empty());
        QVERIFY(!QFile::exists(m_store));
    }

    void everyProgramAndReagentRoundTrips()
    {
        const InstrumentData saved = FullSampleData();
        QVERIFY(SaveToStore(0, m_store, saved));
        for (int p = ProgramCount; p >= 1; --p) // sections land in the order first saved
            QVERIFY(SaveToStore(p, m_store, saved));
        InstrumentData loaded;
        QVERIFY(LoadStore(m_store, loaded));
        for (int n = 1; n <= ReagentCount; ++n)
            QCOMPARE(loaded.reagents[n], saved.reagents[n]);
        for (int p = 1; p <= ProgramCount; ++p)
            QVERIFY2(loaded.programs[p] == saved.programs[p], qPrintable(QString::number(p)));

        // Saving the same data again changes nothing, byte for byte.
        const QByteArray first = ReadBytes(m_store);
        QVERIFY(SaveToStore(7, m_store, saved) && SaveToStore(0, m_store, saved));
        QCOMPARE(ReadBytes(m_store), first);
        QVERIFY(first.startsWith("[Reagents]\r\nR001=Paraffin \xE9t\xE9 \r\nR002=\"  leading    \"\r\n"
                                 "R003=\"\"quoted\"     \"\r\n"));
        QVERIFY(first.contains("\r\nR008=\x80\x9F\xFF end      \r\n"));
    }

    void aNulByteEndsAName_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("loaded");
        QTest::newRow("blank instrument memory") << QByteArray(NameLength, '\0') << QByteArray(NameLength, ' ');
        QTest::newRow("zero inside") << QByteArray("AB\0CD        ", NameLength) << name13("AB");
        QTest::newRow("leading blanks, then zero") << QByteArray("  X\0         ", NameLength) << name13("  X");
    }

    void aNulByteEndsAName()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, loaded);
        InstrumentData data;
        data.reagents[3] = name;
        data.programs[4].Name = name;
        QVERIFY(SaveToStore(0, m_store, data) && SaveToStore(4, m_store, data));
        InstrumentData back;
        QVERIFY(LoadStore(m_store, back));
        QCOMPARE(back.reagents[3], loaded);
        QCOMPARE(back.programs[4].Name, loaded);
    }

    void aProgramSectionHasItsLayout()
    {
        InstrumentData data;
        data.programs[7].Name = name13("Fix");
        data.programs[7].Duration = -95;
        data.programs[7].Type = 0;
        data.programs[7].vial(1) = {12, 3, 1, 2, 35, 37};
        QVERIFY(SaveToStore(7, m_store, data));
        const QList<QByteArray> lines = ReadBytes(m_store).split('\n');
        QCOMPARE(lines.size(), 149); // header, 147 keys, nothing after the last line end
        QCOMPARE(lines.mid(0, 10),
                 (QList<QByteArray>{"[Program07]\r", "Name=Fix          \r", "Duration=-95\r", "Type=LM\r",
                                    "V01Reagent=12\r", "V01Agit=3\r", "V01Pause=1\r", "V01Hrs=2\r", "V01Min=35\r",
                                    "V01Temp=37\r"}));
        QCOMPARE(lines.at(10), QByteArray("V02Reagent=0\r"));
        QCOMPARE(lines.at(147), QByteArray("V24Temp=0\r"));
    }

    void aStoreWrittenOnWindowsLoads()
    {
        const InstrumentData data = load("; kept by hand\r\n"
                                         "[program03]\r\n"
                                         "name=Fixation \xE9\r\n"
                                         "DURATION = 95\r\n"
                                         "type=LM\r\n"
                                         "v01reagent=12\r\n"
                                         "V01Reagent=99\r\n"
                                         "V24Temp=60\r\n"
                                         "[REAGENTS]\r\n"
                                         "r001=Empty\r\n"
                                         "R200=\"  Water\"\r\n");
        const ProgramRecord &p = data.programs[3];
        QCOMPARE(p.Name, name13("Fixation \xE9"));
        QCOMPARE(p.Duration, 95);
        QCOMPARE(p.Type, 0);
        QCOMPARE(p.vial(1).Reagent, 12);
        QCOMPARE(p.vial(24).Temp, 60);
        QCOMPARE(p.vial(2).Reagent, 0); // missing: 0, and the rest still loads
        QCOMPARE(data.reagents[1], name13("Empty"));
        QCOMPARE(data.reagents[200], name13("  Water"));
        QCOMPARE(data.reagents[2], QByteArray(NameLength, ' '));
    }

    void loadingTakesDamageFieldByField_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("v01Hrs");
        QTest::addColumn<bool>("empty");

        const QByteArray keys = "\r\nDuration=95\r\nType=LM\r\nV01Hrs=2\r\n";
        QTest::newRow("name of spaces") << "Name=     " + keys << QByteArray() << 1 << 0 << 0 << true;
        QTest::newRow("no name") << keys << QByteArray() << 1 << 0 << 0 << true;
        QTest::newRow("quoted blanks") << "Name=\"   \"" + keys << QByteArray() << 1 << 0 << 0 << true;
        QTest::newRow("long name cut") << "Name=ABCDEFGHIJKLMNOPQ" + keys << QByteArray("ABCDEFGHIJKLM") << 0 << 95
                                       << 2 << false;
        QTest::newRow("DefaultValue is a name") << "Name=DefaultValue" + keys << QByteArray("DefaultValue ") << 0
                                                << 95 << 2 << false;
        QTest::newRow("em in lower case")
            << QByteArray("Name=A\r\nType=lm\r\nDuration=5") << name13("A") << 1 << 5 << 0 << false;
        QTest::newRow("type missing") << QByteArray("Name=A\r\nDuration=5") << name13("A") << 1 << 5 << 0 << false;
        QTest::newRow("type other") << QByteArray("Name=A\r\nType=XY") << name13("A") << 1 << 0 << 0 << false;
        QTest::newRow("non-numeric and half")
            << QByteArray("Name=A\r\nType=LM\r\nDuration=abc\r\nV01Hrs=2.5") << name13("A") << 0 << 0 << 2 << false;
        QTest::newRow("overflow") << QByteArray("Name=A\r\nDuration=99999999999\r\nV01Hrs=-3") << name13("A") << 1
                                  << 0 << -3 << false;
    }

    void loadingTakesDamageFieldByField()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, name);
        QFETCH(int, type);
        QFETCH(int, duration);
        QFETCH(int, v01Hrs);
        QFETCH(bool, empty);

        const InstrumentData data = load("[Program05]\r\n" + section + "\r\n[Program06]\r\nName=Next\r\nDuration=7\r\n");
        const ProgramRecord &p = data.programs[5];
        if (empty) {
            QVERIFY(p == ProgramRecord::Empty());
        } else {
            QCOMPARE(p.Name, name);
            QCOMPARE(p.Type, type);
            QCOMPARE(p.Duration, duration);
            QCOMPARE(p.vial(1).Hrs, v01Hrs);
        }
        QCOMPARE(data.programs[6].Duration, 7); // the load went on
    }

    void savingKeepsEverythingElse()
    {
        const QByteArray before = "top comment\n"
                                  "[Program07]\n"
                                  "; the operator's note\n"
                                  "name = Old\n"
                                  "Extra=kept\n"
                                  "\n"
                                  "[Other]\n"
                                  "Key=Value";
        WriteBytes(m_store, before);
        InstrumentData data;
        data.programs[7].Name = name13("New");
        QVERIFY(SaveToStore(7, m_store, data));
        const QByteArray after = ReadBytes(m_store);
        QVERIFY(after.startsWith("top comment\n[Program07]\n; the operator's note\nname=New          \nExtra=kept\n"
                                 "Duration=0\nType=LM\nV01Reagent=0\n"));
        QVERIFY(after.endsWith("V24Temp=0\n\n[Other]\nKey=Value"));
        QVERIFY(!after.contains('\r'));
        QCOMPARE(after.count('\n'), before.count('\n') + 146);
    }

    void aStoreThatCannotBeReadIsNeverReplaced_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("a folder in its place") << true;
        QTest::newRow("too large") << false;
    }

    void aStoreThatCannotBeReadIsNeverReplaced()
    {
        QFETCH(bool, folder);
        if (folder) {
            QVERIFY(QDir().mkpath(m_store));
        } else {
            QFile sparse(m_store);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(IniFile::MaxFileSize + 1));
        }
        InstrumentData data = FullSampleData();
        const StoreResult loaded = LoadStore(m_store, data);
        QVERIFY(!loaded);
        QVERIFY(loaded.error.contains(m_store));
        QVERIFY(data.reagents == ReagentTable()); // blank data, as at a first start
        QVERIFY(!SaveToStore(7, m_store, FullSampleData()));
        QVERIFY(!SaveToStore(0, m_store, FullSampleData()));
        QCOMPARE(QFileInfo(m_store).isDir(), folder);
        if (!folder)
            QCOMPARE(QFileInfo(m_store).size(), IniFile::MaxFileSize + 1);
        QDir(m_store).removeRecursively();
    }

    void garbageLoadsBlankAndKeepsItsBytes()
    {
        const QByteArray garbage = Garbage(300'000, 3) + "\r\n[Program05]\r\nName=" + QByteArray(100'000, 'n');
        const InstrumentData data = load(garbage);
        QCOMPARE(data.programs[5].Name, QByteArray(NameLength, 'n'));
        QVERIFY(SaveToStore(9, m_store, FullSampleData()));
        QVERIFY(ReadBytes(m_store).startsWith(garbage));
    }

    void failedSavesSayWhy_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("number");
        QTest::newRow("folder is a file") << QStringLiteral("blocker/CORVEX.ini") << 7;
        QTest::newRow("reagents, folder is a file") << QStringLiteral("blocker/CORVEX.ini") << 0;
        QTest::newRow("program 100") << QStringLiteral("CORVEX.ini") << 100;
        QTest::newRow("program -1") << QStringLiteral("CORVEX.ini") << -1;
    }

    void failedSavesSayWhy()
    {
        QFETCH(QString, path);
        QFETCH(int, number);
        WriteBytes(m_dir.filePath(QStringLiteral("blocker")), "x");
        const StoreResult saved = SaveToStore(number, m_dir.filePath(path), FullSampleData());
        QVERIFY(!saved);
        QVERIFY(!saved.error.isEmpty());
        QVERIFY(!QFile::exists(m_store));
    }

    void theStoreLivesWhereItCanBeWritten_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QByteArray>("besideProgram");
        QTest::addColumn<QByteArray>("perUser");
        QTest::addColumn<bool>("blockUserFolder");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArray>("chosenHolds");

        QTest::newRow("writable program folder") << true << QByteArray("old") << QByteArray("user") << false
                                                 << QStringLiteral("program") << QByteArray("old");
        QTest::newRow("read-only, first start") << false << QByteArray() << QByteArray() << false
                                                << QStringLiteral("user") << QByteArray();
        QTest::newRow("read-only, old store copied") << false << QByteArray("old") << QByteArray() << false
                                                     << QStringLiteral("user") << QByteArray("old");
        QTest::newRow("read-only, own store kept") << false << QByteArray("old") << QByteArray("user") << false
                                                   << QStringLiteral("user") << QByteArray("user");
        QTest::newRow("copy impossible") << false << QByteArray("old") << QByteArray() << true
                                         << QStringLiteral("program") << QByteArray("old");
    }

    void theStoreLivesWhereItCanBeWritten()
    {
        QFETCH(bool, writable);
        QFETCH(QByteArray, besideProgram);
        QFETCH(QByteArray, perUser);
        QFETCH(bool, blockUserFolder);
        QFETCH(QString, chosen);
        QFETCH(QByteArray, chosenHolds);

        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("program"));
        const QString user = root.filePath(QStringLiteral("user/CORVEX"));
        QDir().mkpath(program);
        if (!besideProgram.isEmpty())
            WriteBytes(program + QStringLiteral("/CORVEX.ini"), besideProgram);
        if (!perUser.isEmpty()) {
            QDir().mkpath(user);
            WriteBytes(user + QStringLiteral("/CORVEX.ini"), perUser);
        }
        if (blockUserFolder)
            WriteBytes(root.filePath(QStringLiteral("user")), "a file where the folder should be");
        if (besideProgram.size())
            QFile::setPermissions(program + QStringLiteral("/CORVEX.ini"), QFileDevice::ReadOwner);

        const QString path = ChooseStorePath(program, writable, user);
        QCOMPARE(path, (chosen == QLatin1String("user") ? user : program) + QStringLiteral("/CORVEX.ini"));
        QCOMPARE(ReadBytes(path), chosenHolds);
        if (chosen == QLatin1String("user") && !chosenHolds.isEmpty())
            QVERIFY(QFile::permissions(path) & QFileDevice::WriteOwner);
    }

    void byDefaultTheStoreIsBesideAWritableProgram()
    {
        QVERIFY(IsWritableFolder(QCoreApplication::applicationDirPath()));
        QVERIFY(!IsWritableFolder(m_dir.filePath(QStringLiteral("no/such/folder"))));
        QCOMPARE(DefaultStorePath(), QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("CORVEX.ini")));
    }
};

QTEST_GUILESS_MAIN(TestLocalStore)
#include "test_local_store.moc"
