// The transfer log's lines and the comparison of two sets of data.
#include "DataCompare.h"
#include "support/FileFixtures.h"
#include "TransferLogReader.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace corvex;

namespace {

TransferLogEntry entryWith(const QString &field)
{
    return {QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9), Qt::OffsetFromUTC, 3600), field, QStringLiteral("lab-pc"),
            QStringLiteral("COM3 (/dev/ttyS2)"), QStringLiteral("backup"), field, QStringLiteral("failed"), field, QStringLiteral("0123456789ab")};
}

// A program with every vial used, for changing one field at a time.
InstrumentData usedProgramData()
{
    InstrumentData data;
    ProgramRecord &program = data.programs[7];
    program.name = "ROUTINE      ";
    program.type = typeEm;
    program.duration = 300;
    for (int v = 1; v <= vialCount; ++v)
        program.vial(v) = {v + 1, 2, 0, 1, 10, 37};
    data.reagents[14] = "Xylene       ";
    return data;
}

} // namespace

class TestLogAndCompare : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void logFieldsSurviveTheFile_data()
    {
        QTest::addColumn<QString>("field");
        QTest::newRow("comma and quotes") << QStringLiteral("a,\"b\",c");
        QTest::newRow("line breaks") << QStringLiteral("first\r\nsecond\nthird\r");
        QTest::newRow("formula") << QStringLiteral("=HYPERLINK(\"x\")");
        QTest::newRow("apostrophe then formula") << QStringLiteral("'=1+1");
        QTest::newRow("non-ASCII") << QStringLiteral("Ä€ é 日本");
    }

    void logFieldsSurviveTheFile()
    {
        QFETCH(QString, field);
        const QString path = m_dir.filePath(QStringLiteral("log-%1.csv").arg(QLatin1String(QTest::currentDataTag())));
        TransferLog log(path);
        QVERIFY(log.append(entryWith(QStringLiteral("before"))));
        QVERIFY(log.append(entryWith(field)));

        const TransferLogContent read = readTransferLog(path);
        QVERIFY(read.lines.size() == 2 && !read.lines[1].damaged);
        QCOMPARE(read.lines[1].entry, entryWith(field));
        // One header line; a spreadsheet never sees a formula.
        const QByteArray bytes = readBytes(path);
        QVERIFY(bytes.startsWith("Time,User,Host,Port,Operation,Covered,Result,Message,Fingerprint\r\n"
                                 "2026-03-01T14:05:09+01:00,before,lab-pc,COM3 (/dev/ttyS2),backup,before,"));
        QVERIFY(!bytes.contains(",=") && !bytes.contains(",\"="));
    }

    // A log without write permission (root too), like the store.
    void anUnwritableLogIsReportedOnce()
    {
        const QString path = m_dir.filePath(QStringLiteral("read-only.csv"));
        QVERIFY(QFile(path).open(QIODevice::WriteOnly) && QFile::setPermissions(path, QFile::ReadOwner));
        TransferLog log(path);
        QStringList reports;
        log.setFailureReporter([&](const QString &message) { reports << message; });
        QVERIFY(!log.append(entryWith(QStringLiteral("x"))) && !log.append(entryWith(QStringLiteral("y"))));
        QVERIFY(reports.size() == 1 && reports[0].contains(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void compareNamesExactlyTheFieldsThatDiffer_data()
    {
        QTest::addColumn<std::function<void(InstrumentData &)>>("change");
        QTest::addColumn<QStringList>("lines");
        using Change = std::function<void(InstrumentData &)>;
        QTest::newRow("same") << Change([](InstrumentData &) {}) << QStringList();
        QTest::newRow("name, duration, pause") << Change([](InstrumentData &d) {
            d.programs[7].name = "ROUTINE 2    ";
            d.programs[7].duration = 301;
            d.programs[7].vial(24).pause = 1;
        }) << QStringList{QStringLiteral("Program07 Name: \"ROUTINE\" -> \"ROUTINE 2\""),
                          QStringLiteral("Program07 Duration: 300 -> 301"), QStringLiteral("Program07 V24Pause: 0 -> 1")};
        QTest::newRow("name padded with NULs") << Change([](InstrumentData &d) {
            d.programs[7].name = QByteArray("ROUTINE") + QByteArray(6, '\0');
            d.reagents[14] = QByteArray("Xylene") + QByteArray(7, '\0');
        }) << QStringList();
        QTest::newRow("emptied") << Change([](InstrumentData &d) { d.programs[7] = ProgramRecord::empty(); })
                                 << QStringList{QStringLiteral("Program07: \"ROUTINE\" -> (empty)")};
        QTest::newRow("LM ignores vials 13..24") << Change([](InstrumentData &d) {
            d.programs[7].type = typeLm;
            d.programs[7].vial(13).temp = 99;
        }) << QStringList{QStringLiteral("Program07 Type: EM -> LM")} + [] {
            QStringList blanked; // what an LM program holds in vials 13..24 on the instrument
            for (int v = 13; v <= vialCount; ++v)
                blanked << QStringLiteral("Program07 V%1Reagent: %2 -> 1").arg(v).arg(v + 1) << QStringLiteral("Program07 V%1Agit: 2 -> 0").arg(v)
                        << QStringLiteral("Program07 V%1Hrs: 1 -> 0").arg(v) << QStringLiteral("Program07 V%1Min: 10 -> 0").arg(v)
                        << QStringLiteral("Program07 V%1Temp: 37 -> 0").arg(v);
            return blanked;
        }();
    }

    void compareNamesExactlyTheFieldsThatDiffer()
    {
        QFETCH(std::function<void(InstrumentData &)>, change);
        QFETCH(QStringList, lines);
        const InstrumentData left = usedProgramData();
        InstrumentData right = left;
        change(right);
        QStringList found;
        for (const DataDifference &difference : compareData(left, right))
            found << differenceLine(difference);
        QCOMPARE(found, lines);
    }
};

QTEST_GUILESS_MAIN(TestLogAndCompare)
#include "test_log_and_compare.moc"
