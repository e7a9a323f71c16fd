#include "IniFile.h"
#include "LocalStore.h"
#include "StorePath.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace corvex;

namespace {

QByteArray name13(const QByteArray &name)
{
    return (name + QByteArray(nameLength, ' ')).left(nameLength);
}

struct StoreSites { bool writable; const char *besideProgram, *perUser; bool userChosen; const char *chosenHolds; };

// What stands in the way, the section saved (0: the reagents) and what the load or the save says besides the name.
struct Obstacle { QString obstacle; int number; QString why; };

} // namespace

class TestLocalStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_store;

    InstrumentData load(const QByteArray &bytes)
    {
        writeBytes(m_store, bytes);
        InstrumentData data = fullSampleData(); // anything the load must replace
        loadStore(m_store, data);
        return data;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_store = m_dir.filePath(QStringLiteral("CORVEX.ini"));
        QFile::remove(m_store);
    }

    void everyProgramAndReagentRoundTrips()
    {
        // A missing store gives blank data and no file.
        InstrumentData loaded = fullSampleData();
        QVERIFY(loadStore(m_store, loaded) && !QFile::exists(m_store) && loaded.reagents == ReagentTable());
        for (int p = 1; p <= programCount; ++p)
            QVERIFY(loaded.programs[p] == ProgramRecord::empty());

        InstrumentData saved = fullSampleData();
        // A NUL byte ends a name in the file (names read from blank instrument memory have them).
        saved.reagents[13] = QByteArray("AB\0CD        ", nameLength);
        saved.programs[13].name = QByteArray(nameLength, '\0');
        QVERIFY(saveToStore(0, m_store, saved));
        for (int p = programCount; p >= 1; --p) // sections land in the order first saved
            QVERIFY(saveToStore(p, m_store, saved));
        InstrumentData expected = saved;
        expected.reagents[13] = name13("AB");
        expected.programs[13] = ProgramRecord::empty();
        QVERIFY(loadStore(m_store, loaded));
        QVERIFY(loaded.reagents == expected.reagents && loaded.programs == expected.programs);

        // Saving the same data again changes nothing, byte for byte.
        const QByteArray first = readBytes(m_store);
        QVERIFY(saveToStore(7, m_store, saved) && saveToStore(0, m_store, saved));
        QCOMPARE(readBytes(m_store), first);
        QVERIFY(first.startsWith("[Reagents]\r\nR001=Paraffin \xE9t\xE9 \r\nR002=\"  leading    \"\r\n"
                                 "R003=\"\"quoted\"     \"\r\n"));
        QVERIFY(first.contains("\r\nR008=\x80\x9F\xFF end      \r\n"));
    }

    void loadingTakesDamageFieldByField_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("loaded"); // name|type|duration|V01Hrs, or "empty"

        const QByteArray keys = "\r\nDuration=95\r\nType=LM\r\nV01Hrs=2\r\n";
        QTest::newRow("name of spaces") << "Name=     " + keys << QByteArray("empty");
        QTest::newRow("long name cut") << "Name=ABCDEFGHIJKLMNOPQ" + keys << QByteArray("ABCDEFGHIJKLM|0|95|2");
        QTest::newRow("em in lower case") << QByteArray("Name=A\r\nType=lm\r\nDuration=5") << QByteArray("A            |1|5|0");
        QTest::newRow("non-numeric and half") << QByteArray("Name=A\r\nType=LM\r\nDuration=abc\r\nV01Hrs=2.5") << QByteArray("A            |0|0|2");
        QTest::newRow("overflow") << QByteArray("Name=A\r\nDuration=99999999999\r\nV01Hrs=-3") << QByteArray("A            |1|0|-3");
    }

    void loadingTakesDamageFieldByField()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, loaded);

        const InstrumentData data = load("[Program05]\r\n" + section + "\r\n[Program06]\r\nName=Next\r\nDuration=7\r\n");
        const ProgramRecord &p = data.programs[5];
        QCOMPARE(p == ProgramRecord::empty() ? QByteArray("empty") : p.name + '|' + QByteArray::number(p.type) + '|'
                         + QByteArray::number(p.duration) + '|' + QByteArray::number(p.vial(1).hrs), loaded);
        QCOMPARE(data.programs[6].duration, 7); // the load went on
        QCOMPARE(data.reagents[1], QByteArray(nameLength, ' ')); // a missing reagent key gives a blank name
    }

    void aSavedSectionHasItsLayoutAndTheRestStays()
    {
        const QByteArray before = "top comment\n[Program07]\n; the operator's note\nname = Old\nExtra=kept\n\n[Other]\nKey=Value";
        writeBytes(m_store, before);
        InstrumentData data;
        data.programs[7].name = name13("Fix");
        data.programs[7].duration = -95;
        data.programs[7].vial(1) = {12, 3, 1, 2, 35, 37};
        QVERIFY(saveToStore(7, m_store, data));
        const QByteArray after = readBytes(m_store);
        QVERIFY(after.startsWith("top comment\n[Program07]\n; the operator's note\nname=Fix          \nExtra=kept\n"
                                 "Duration=-95\nType=LM\nV01Reagent=12\nV01Agit=3\nV01Pause=1\nV01Hrs=2\nV01Min=35\n"
                                 "V01Temp=37\nV02Reagent=0\n"));
        QVERIFY(after.endsWith("V23Temp=0\nV24Reagent=0\nV24Agit=0\nV24Pause=0\nV24Hrs=0\nV24Min=0\nV24Temp=0\n\n[Other]\nKey=Value"));
        QCOMPARE(after.count('\n'), before.count('\n') + 146); // 147 keys, one of them there before
        QVERIFY(!after.contains('\r'));
    }

    void aStoreThatCannotBeWrittenIsLeftAsItIs_data()
    {
        QTest::addColumn<Obstacle>("row");
        QTest::newRow("a folder in its place") << Obstacle{"folder", 7, "is a folder"};
        QTest::newRow("too large to be a store") << Obstacle{"too large", 0, "too large"};
        QTest::newRow("a device in its place") << Obstacle{"device", 0, "not a regular file"};
        QTest::newRow("its folder is a file") << Obstacle{"file as folder", 7, ""};
        QTest::newRow("no write permission bits, whoever saves") << Obstacle{"mode 444", 0, "is read-only"};
    }

    void aStoreThatCannotBeWrittenIsLeftAsItIs()
    {
        QFETCH(Obstacle, row);
        const auto &[obstacle, number, why] = row;
        const QString store = obstacle == QLatin1String("device") ? QStringLiteral("/dev/zero")
            : obstacle == QLatin1String("file as folder") ? m_dir.filePath(QStringLiteral("blocker/CORVEX.ini")) : m_store;
        if (obstacle == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(m_store));
        else if (obstacle == QLatin1String("too large"))
            QVERIFY(writeBytes(m_store, "") && QFile::resize(m_store, IniFile::maxFileSize + 1)); // sparse
        else if (obstacle == QLatin1String("mode 444"))
            QVERIFY(saveToStore(3, m_store, fullSampleData()) && ::chmod(QFile::encodeName(m_store).constData(), 0444) == 0);
        else if (obstacle == QLatin1String("file as folder"))
            QVERIFY(writeBytes(m_dir.filePath(QStringLiteral("blocker")), "x"));
        const auto state = [&store] {
            const QFileInfo info(store);
            return std::tuple(info.exists(), info.isDir(), info.size(), info.permissions());
        };
        const auto before = state();
        if (std::get<0>(before) && obstacle != QLatin1String("mode 444")) {
            // It cannot be read either: the load gives blank data, as at a first start, and says why.
            InstrumentData data = fullSampleData();
            const StoreResult loaded = loadStore(store, data);
            QVERIFY2(!loaded && loaded.error.contains(store) && loaded.error.contains(why), qPrintable(loaded.error));
            QVERIFY(data.reagents == ReagentTable());
        }
        const StoreResult saved = saveToStore(number, store, fullSampleData());
        QVERIFY2(!saved && saved.error.contains(store)
                     && (obstacle != QLatin1String("mode 444") || saved.error.contains(why)), qPrintable(saved.error));
        QVERIFY(state() == before);
        QDir(m_store).removeRecursively();
    }

    void theStoreLivesWhereItCanBeWritten_data()
    {
        // Whether the program's folder is writable, the store beside the program and the per-user one (if any;
        // "<blocked>": no folder possible), where the store is then and what it holds.
        QTest::addColumn<StoreSites>("sites");
        QTest::newRow("writable program folder") << StoreSites{true, "old", "user", false, "old"};
        QTest::newRow("read-only, first start") << StoreSites{false, "", "", true, ""};
        QTest::newRow("read-only, old store copied") << StoreSites{false, "old", "", true, "old"};
        QTest::newRow("read-only, own store kept") << StoreSites{false, "old", "user", true, "user"};
        QTest::newRow("copy impossible") << StoreSites{false, "old", "<blocked>", false, "old"};
    }

    void theStoreLivesWhereItCanBeWritten()
    {
        QFETCH(StoreSites, sites);
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("program")), user = root.filePath(QStringLiteral("user/CORVEX"));
        QVERIFY(QDir().mkpath(program));
        if (*sites.besideProgram)
            QVERIFY(writeBytes(program + QStringLiteral("/CORVEX.ini"), sites.besideProgram)
                    && QFile::setPermissions(program + QStringLiteral("/CORVEX.ini"), QFileDevice::ReadOwner));
        if (QByteArray(sites.perUser) == "<blocked>")
            QVERIFY(writeBytes(root.filePath(QStringLiteral("user")), "a file where the folder should be"));
        else if (*sites.perUser)
            QVERIFY(QDir().mkpath(user) && writeBytes(user + QStringLiteral("/CORVEX.ini"), sites.perUser));

        const QString path = chooseStorePath(program, sites.writable, user);
        QCOMPARE(path, (sites.userChosen ? user : program) + QStringLiteral("/CORVEX.ini"));
        QCOMPARE(readBytes(path), QByteArray(sites.chosenHolds));
        QVERIFY(QFileInfo(path).dir().exists()); // the first save needs it
        if (sites.userChosen && *sites.chosenHolds)
            QVERIFY(QFile::permissions(path) & QFileDevice::WriteOwner); // a copy is the user's to change
    }

};

QTEST_GUILESS_MAIN(TestLocalStore)
#include "test_local_store.moc"
