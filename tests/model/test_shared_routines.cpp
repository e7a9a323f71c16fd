#include "model/Cp1252.h"
#include "model/Duration.h"
#include "model/FitName.h"
#include "model/ListTexts.h"
#include "model/NumberText.h"

#include <QTest>

#include <limits>

namespace {
constexpr int Min32 = std::numeric_limits<qint32>::min();
constexpr int Max32 = std::numeric_limits<qint32>::max();
} // namespace

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
        QTest::newRow("negative raised") << "-12" << 1 << 99 << 1;
        QTest::newRow("blanks skipped") << "  1 2" << 1 << 200 << 12;
        QTest::newRow("exponent") << "1e2" << 1 << 200 << 100;
        QTest::newRow("broken exponent stops before e") << "5e" << 1 << 200 << 5;
        QTest::newRow("beyond double range") << "1e999" << 1 << 99 << 99;
        QTest::newRow("hugely negative") << "-1e999" << 1 << 99 << 1;
        QTest::newRow("dashes of an empty temperature") << "--" << 4 << 60 << 4;
        QTest::newRow("non-latin stops") << QString::fromUtf8("4\u00e9") << 1 << 99 << 4;
        // Without limits (the hours field) only the 32-bit range applies.
        QTest::newRow("whole number, half up to even") << "1.5" << Min32 << Max32 << 2;
        QTest::newRow("whole number beyond 32 bits") << "1e20" << Min32 << Max32 << Max32;
    }

    void clampNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, lo);
        QFETCH(int, hi);
        QFETCH(int, expected);
        QCOMPARE(ClampNumber(text, lo, hi), expected);
        if (lo == Min32 && hi == Max32)
            QCOMPARE(WholeNumberValue(text), expected);
    }

    void parseWholeNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");

        QTest::newRow("negative, blanks around") << QByteArray(" \t-7 ") << true << -7;
        QTest::newRow("half to even") << QByteArray("2.5") << true << 2;
        QTest::newRow("int32 max") << QByteArray("2147483647") << true << Max32;
        QTest::newRow("int32 min") << QByteArray("-2147483648") << true << Min32;
        QTest::newRow("overflow") << QByteArray("2147483648") << false << 0;
        QTest::newRow("empty") << QByteArray("") << false << 0;
        QTest::newRow("trailing text") << QByteArray("12abc") << false << 0;
        QTest::newRow("inner blank") << QByteArray("1 2") << false << 0;
        QTest::newRow("nan") << QByteArray("nan") << false << 0;
        QTest::newRow("huge exponent") << QByteArray("1e999") << false << 0;
    }

    void parseWholeNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        QCOMPARE(ParseWholeNumber(text), valid ? std::optional<qint32>(value) : std::nullopt);
    }

    void fitName()
    {
        QCOMPARE(nameForStorage(""), QByteArray(13, ' '));
        QCOMPARE(nameForStorage("ABCDEFGHIJKLMNOPQRST"), QByteArray("ABCDEFGHIJKLM"));
        QCOMPARE(nameForStorage("  a  "), QByteArray("  a          "));
        QCOMPARE(nameForDisplay(QByteArray(13, ' ')), QByteArray());
        QCOMPARE(nameForDisplay("  a  "), QByteArray("  a"));
        // A zero byte from the instrument is a character like any other.
        QCOMPARE(nameForDisplay(QByteArray("AB\0 ", 4)), QByteArray("AB\0", 3));
    }

    void cp1252()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(EncodeCp1252(DecodeCp1252(all)), all);
        QCOMPARE(DecodeCp1252("\xe9\x80\x9f"), QString::fromUtf8("\u00e9\u20ac\u0178"));
        // What the code page lacks becomes one '?', also outside the basic plane.
        QCOMPARE(EncodeCp1252(QString::fromUtf8("a\u4e2db\U0001F600c")), QByteArray("a?b?c"));
        QVERIFY(IsCp1252Representable(QChar(0x20AC)));
        QVERIFY(!IsCp1252Representable(QChar(0x4E2D)));
    }

    void durationCountsUsedVialsWithin32Bits()
    {
        ProgramRecord program = ProgramRecord::Empty();
        program.vial(1) = {1, 0, 0, 1, 30, 0};
        program.vial(20) = {1, 0, 1, 5, 0, 37};
        QCOMPARE(CalculateDuration(program), 90 + 300);
        program.Type = TypeLM;
        QCOMPARE(CalculateDuration(program), 90);
        program.Type = 7; // any value but 0 is EM
        QCOMPARE(CalculateDuration(program), 390);
        for (VialStep &vial : program.Vials)
            vial.Hrs = Max32;
        QCOMPARE(CalculateDuration(program), Max32);

        QCOMPARE(DurationCaption(0), QStringLiteral("Total Time: 00h 00min"));
        QCOMPARE(DurationCaption(95), QStringLiteral("Total Time: 01h 35min"));
        QCOMPARE(DurationCaption(7505), QStringLiteral("Total Time: 125h 05min"));
    }

    void listLines()
    {
        QCOMPARE(ReagentListLine(1, nameForStorage("Caf\xe9")), QString::fromUtf8("Reagent 001: \"Caf\u00e9         \""));
        QCOMPARE(ReagentComboLine(200, nameForStorage("")), QStringLiteral("200:              "));
        QCOMPARE(ProgramNumberLabel(7), QStringLiteral("Program07"));

        ReagentTable reagents;
        reagents[5] = nameForStorage("Ethanol 70%");
        QCOMPARE(VialLineText(1, {5, 2, 0, 1, 30, 37}, reagents),
                 QString::fromUtf8("Vial 01: Ethanol 70%   AG2 01:30 37\u00b0C CONT"));
        reagents[1] = nameForStorage("(empty)");
        QCOMPARE(VialLineText(24, VialStep::Blank(), reagents),
                 QString::fromUtf8("Vial 24: (empty)       AG0 00:00 --\u00b0C CONT"));
        QVERIFY(VialLineText(3, {1, 0, 1, 0, 5, 4}, reagents).endsWith(QString::fromUtf8("00:05 04\u00b0C PAUSE")));
        QVERIFY(VialLineText(3, {1, 0, -1, 0, 0, 0}, reagents).endsWith(QStringLiteral("CONT")));
        // A reagent number outside the table keeps the columns.
        const QString unknown = VialLineText(2, {0, 1, 0, 0, 0, 0}, reagents);
        QCOMPARE(unknown.mid(8, 17), QStringLiteral(" (unknown)     AG"));
    }
};

QTEST_GUILESS_MAIN(TestSharedRoutines)
#include "test_shared_routines.moc"
