#include "model/Cp1252.h"
#include "model/Duration.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/NumberText.h"
#include "model/ProgramType.h"

#include <QTest>

class TestSharedRoutines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clampNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lo");
        QTest::addColumn<int>("hi");
        QTest::addColumn<int>("expected");

        QTest::newRow("empty gives lo") << "" << 1 << 99 << 1;
        QTest::newRow("above hi") << "150" << 1 << 99 << 99;
        QTest::newRow("leading number only") << "7abc" << 1 << 99 << 7;
        QTest::newRow("half to even down") << "2.5" << 0 << 59 << 2;
        QTest::newRow("half to even up") << "3.5" << 0 << 59 << 4;
        QTest::newRow("zero raised") << "0" << 1 << 99 << 1;
        QTest::newRow("negative raised") << "-12" << 1 << 99 << 1;
        QTest::newRow("blanks skipped") << "  1 2" << 1 << 200 << 12;
        QTest::newRow("letters only") << "abc" << 1 << 200 << 1;
        QTest::newRow("exponent") << "1e2" << 1 << 200 << 100;
        QTest::newRow("broken exponent stops before e") << "5e" << 1 << 200 << 5;
        QTest::newRow("huge number") << "99999999999999999999" << 1 << 99 << 99;
        QTest::newRow("beyond double range") << "1e999" << 1 << 99 << 99;
        QTest::newRow("hugely negative") << "-1e999" << 1 << 99 << 1;
        QTest::newRow("lone sign") << "-" << 4 << 60 << 4;
        QTest::newRow("dashes of an empty temperature") << "--" << 4 << 60 << 4;
        QTest::newRow("non-latin stops") << QString::fromUtf8("4\u00e9") << 1 << 99 << 4;
        QTest::newRow("reagent 999") << "999" << 1 << 200 << 200;
    }

    void clampNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(int, expected);
        QCOMPARE(ClampNumber(text, lo, hi), expected);
    }

    void hoursTakeTheWholeNumberWithoutLimits()
    {
        QCOMPARE(WholeNumberValue(QString()), 0);
        QCOMPARE(WholeNumberValue(QStringLiteral("99")), 99);
        QCOMPARE(WholeNumberValue(QStringLiteral("0.5")), 0);
        QCOMPARE(WholeNumberValue(QStringLiteral("1.5")), 2);
        QCOMPARE(WholeNumberValue(QStringLiteral("1e20")), std::numeric_limits<qint32>::max());
    }

    void parseWholeNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");

        QTest::newRow("plain") << QByteArray("42") << true << 42;
        QTest::newRow("negative") << QByteArray("-7") << true << -7;
        QTest::newRow("blanks around") << QByteArray(" \t12 ") << true << 12;
        QTest::newRow("half to even") << QByteArray("2.5") << true << 2;
        QTest::newRow("int32 max") << QByteArray("2147483647") << true << 2147483647;
        QTest::newRow("int32 min") << QByteArray("-2147483648") << true << int(-2147483648LL);
        QTest::newRow("overflow") << QByteArray("2147483648") << false << 0;
        QTest::newRow("empty") << QByteArray("") << false << 0;
        QTest::newRow("trailing text") << QByteArray("12abc") << false << 0;
        QTest::newRow("word") << QByteArray("LM") << false << 0;
        QTest::newRow("inner blank") << QByteArray("1 2") << false << 0;
        QTest::newRow("nan") << QByteArray("nan") << false << 0;
        QTest::newRow("inf") << QByteArray("inf") << false << 0;
        QTest::newRow("huge exponent") << QByteArray("1e999") << false << 0;
    }

    void parseWholeNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const std::optional<qint32> parsed = ParseWholeNumber(text);
        QCOMPARE(parsed.has_value(), valid);
        if (valid)
            QCOMPARE(*parsed, value);
    }

    void fitName()
    {
        QCOMPARE(FitName("", false), QByteArray(13, ' '));
        QCOMPARE(FitName("ABCDEFGHIJKLMNOPQRST", false), QByteArray("ABCDEFGHIJKLM"));
        QCOMPARE(FitName("Xylene", false), QByteArray("Xylene       "));
        QCOMPARE(FitName(QByteArray(13, ' '), true), QByteArray());
        QCOMPARE(FitName("  a  ", true), QByteArray("  a"));
        QCOMPARE(FitName("  a  ", false), QByteArray("  a          "));
        // A zero byte from the instrument is a character like any other.
        QCOMPARE(FitName(QByteArray("AB\0 ", 4), true), QByteArray("AB\0", 3));
    }

    void programType()
    {
        QCOMPARE(ProgramTypeName(0), QStringLiteral("LM"));
        QCOMPARE(ProgramTypeName(1), QStringLiteral("EM"));
        QCOMPARE(ProgramTypeName(2), QStringLiteral("EM"));
        QCOMPARE(ProgramTypeFromText("LM"), 0);
        QCOMPARE(ProgramTypeFromText("lm"), 1);
        QCOMPARE(ProgramTypeFromText("em"), 1);
        QCOMPARE(ProgramTypeFromText(""), 1);
    }

    void cp1252KeepsEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(EncodeCp1252(DecodeCp1252(all)), all);
        QCOMPARE(DecodeCp1252("\xe9\x80\x9f"), QString::fromUtf8("\u00e9\u20ac\u0178"));
    }

    void cp1252ReplacesWhatItCannotHold()
    {
        QCOMPARE(EncodeCp1252(QString::fromUtf8("a\u4e2db")), QByteArray("a?b"));
        QCOMPARE(EncodeCp1252(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
        QVERIFY(IsCp1252Representable(QChar(0x20AC)));
        QVERIFY(!IsCp1252Representable(QChar(0x4E2D)));
    }

    void durationCountsUsedVialsOnly()
    {
        ProgramRecord program = ProgramRecord::Empty();
        program.vial(1).Hrs = 1;
        program.vial(1).Min = 30;
        program.vial(20).Hrs = 5;
        program.vial(20).Pause = 1;
        program.vial(20).Temp = 37;
        QCOMPARE(CalculateDuration(program), 90 + 300);
        program.Type = TypeLM;
        QCOMPARE(CalculateDuration(program), 90);
        program.Type = 7; // any value but 0 is EM
        QCOMPARE(CalculateDuration(program), 390);
    }

    void durationStaysWithin32Bits()
    {
        ProgramRecord program = ProgramRecord::Empty();
        for (VialStep &vial : program.Vials)
            vial.Hrs = std::numeric_limits<qint32>::max();
        QCOMPARE(CalculateDuration(program), std::numeric_limits<qint32>::max());
    }

    void durationCaption()
    {
        QCOMPARE(DurationCaption(0), QStringLiteral("Total Time: 00h 00min"));
        QCOMPARE(DurationCaption(95), QStringLiteral("Total Time: 01h 35min"));
        QCOMPARE(DurationCaption(7505), QStringLiteral("Total Time: 125h 05min"));
    }

    void reagentLines()
    {
        QCOMPARE(ReagentListLine(7, FitName("Xylene", false)), QStringLiteral("Reagent 007: \"Xylene       \""));
        QCOMPARE(ReagentComboLine(200, FitName("", false)), QStringLiteral("200:              "));
        QCOMPARE(ReagentListLine(1, FitName("Caf\xe9", false)),
                 QString::fromUtf8("Reagent 001: \"Caf\u00e9         \""));
    }

    void vialLineColumns()
    {
        ReagentTable reagents;
        reagents[5] = FitName("Ethanol 70%", false);
        const VialStep vial{5, 2, 0, 1, 30, 37};
        const QString line = VialLineText(1, vial, reagents);
        QCOMPARE(line, QString::fromUtf8("Vial 01: Ethanol 70%   AG2 01:30 37\u00b0C CONT"));
        QCOMPARE(line.mid(22, 3), QStringLiteral(" AG"));
        QCOMPARE(line.mid(33, 2), QStringLiteral("37"));
        QCOMPARE(line.mid(38), QStringLiteral("CONT"));

        reagents[1] = FitName("(empty)", false);
        QCOMPARE(VialLineText(24, VialStep::Blank(), reagents),
                 QString::fromUtf8("Vial 24: (empty)       AG0 00:00 --\u00b0C CONT"));
        const VialStep paused{1, 0, 1, 0, 5, 4};
        QVERIFY(VialLineText(3, paused, reagents).endsWith(QString::fromUtf8("00:05 04\u00b0C PAUSE")));
        const VialStep oddPause{1, 0, -1, 0, 0, 0};
        QVERIFY(VialLineText(3, oddPause, reagents).endsWith(QStringLiteral("CONT")));
    }

    void vialLineWithReagentOutOfRangeKeepsColumns()
    {
        const ReagentTable reagents;
        const VialStep vial{0, 1, 0, 0, 0, 0};
        const QString line = VialLineText(2, vial, reagents);
        QCOMPARE(line.mid(22, 3), QStringLiteral(" AG"));
        QVERIFY(line.contains(QStringLiteral("(unknown)")));
    }
};

QTEST_GUILESS_MAIN(TestSharedRoutines)
#include "test_shared_routines.moc"
