#include "Cp1252.h"
#include "Duration.h"
#include "NumberText.h"

#include <QTest>

#include <limits>

using namespace corvex;

namespace {
constexpr int min32 = std::numeric_limits<qint32>::min();
constexpr int max32 = std::numeric_limits<qint32>::max();
struct Clamp { QString text; int lo, hi, expected; };
using Whole = std::optional<qint32>;
} // namespace

class TestSharedRoutines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clampNumber_data()
    {
        QTest::addColumn<Clamp>("clamp");

        QTest::newRow("empty gives lo") << Clamp{"", 1, 99, 1};
        QTest::newRow("above hi") << Clamp{"150", 1, 99, 99};
        QTest::newRow("leading number only") << Clamp{"7abc", 1, 99, 7};
        QTest::newRow("half to even down") << Clamp{"2.5", 0, 59, 2};
        QTest::newRow("half to even up") << Clamp{"3.5", 0, 59, 4};
        QTest::newRow("negative raised") << Clamp{"-12", 1, 99, 1};
        QTest::newRow("dashes of an empty temperature") << Clamp{"--", 4, 60, 4};
        // Without limits (the hours field) only the 32-bit range applies.
        QTest::newRow("whole number, half up to even") << Clamp{"1.5", min32, max32, 2};
        QTest::newRow("whole number beyond 32 bits") << Clamp{"1e20", min32, max32, max32};
    }

    void clampNumber()
    {
        QFETCH(Clamp, clamp);
        QCOMPARE(corvex::clampNumber(clamp.text, clamp.lo, clamp.hi), clamp.expected);
        if (clamp.lo == min32 && clamp.hi == max32)
            QCOMPARE(wholeNumberValue(clamp.text), clamp.expected);
    }

    void parseWholeNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Whole>("value");

        QTest::newRow("negative, blanks around") << QByteArray(" \t-7 ") << Whole(-7);
        QTest::newRow("half to even") << QByteArray("2.5") << Whole(2);
        QTest::newRow("int32 max") << QByteArray("2147483647") << Whole(max32);
        QTest::newRow("int32 min") << QByteArray("-2147483648") << Whole(min32);
        QTest::newRow("overflow") << QByteArray("2147483648") << Whole();
        QTest::newRow("empty") << QByteArray("") << Whole();
        QTest::newRow("trailing text") << QByteArray("12abc") << Whole();
        QTest::newRow("inner blank") << QByteArray("1 2") << Whole();
        QTest::newRow("nan") << QByteArray("nan") << Whole();
        QTest::newRow("huge exponent") << QByteArray("1e999") << Whole();
    }

    void parseWholeNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(Whole, value);
        QCOMPARE(corvex::parseWholeNumber(text), value);
    }

    void cp1252()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        QCOMPARE(encodeCp1252(decodeCp1252(all)), all);
        QCOMPARE(decodeCp1252("\xe9\x80\x9f"), QString::fromUtf8("\u00e9\u20ac\u0178"));
        // What the code page lacks becomes one '?', also outside the basic plane.
        QCOMPARE(encodeCp1252(QString::fromUtf8("a\u4e2db\U0001F600c")), QByteArray("a?b?c"));
        QVERIFY(isCp1252Representable(QChar(0x20AC)));
        QVERIFY(!isCp1252Representable(QChar(0x4E2D)));
    }

    void durationCountsUsedVialsWithin32Bits()
    {
        ProgramRecord program = ProgramRecord::empty();
        program.vial(1) = {1, 0, 0, 1, 30, 0};
        program.vial(20) = {1, 0, 1, 5, 0, 37};
        QCOMPARE(calculateDuration(program), 90 + 300);
        program.type = typeLm;
        QCOMPARE(calculateDuration(program), 90);
        program.type = 7; // any value but 0 is EM
        QCOMPARE(calculateDuration(program), 390);
        for (VialStep &vial : program.vials)
            vial.hrs = max32;
        QCOMPARE(calculateDuration(program), max32);
    }

};

QTEST_GUILESS_MAIN(TestSharedRoutines)
#include "test_shared_routines.moc"
