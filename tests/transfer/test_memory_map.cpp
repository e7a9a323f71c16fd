#include "support/FakeMemory.h"
#include "transfer/MemoryMap.h"

#include <QTest>

Q_DECLARE_METATYPE(VialStep)

namespace {

ProgramRecord sampleProgram(qint32 type)
{
    ProgramRecord program = ProgramRecord::Empty();
    program.Name = QByteArray("AB\0 \xE9XYZ     ", 13);
    program.Duration = 90;
    program.Type = type;
    for (int v = 1; v <= VialCount; ++v)
        program.vial(v) = VialStep{v + 1, v % 6, v % 2, v, (v * 7) % 60, v % 3 == 0 ? 0 : 20 + v};
    return program;
}

} // namespace

// The byte encoding of programs; the addresses are checked on the wire.
class TestMemoryMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vialByte_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("agit");
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("encoded"); // false: read only
        QTest::newRow("pause with AG3") << 1 << 3 << 0x83 << true;
        QTest::newRow("continue with AG5") << 0 << 5 << 0x05 << true;
        QTest::newRow("pause with AG0") << 1 << 0 << 0x80 << true;
        QTest::newRow("agitation 15 read as it is") << 1 << 15 << 0x8F << false;
        QTest::newRow("bits 4 to 6 ignored") << 0 << 3 << 0x73 << false;
    }

    void vialByte()
    {
        QFETCH(int, pause);
        QFETCH(int, agit);
        QFETCH(int, byte);
        QFETCH(bool, encoded);
        const VialStep vial{12, agit, pause, 3, 45, 37};
        if (encoded)
            QCOMPARE(EncodeVial(vial), (std::array<int, 5>{12, byte, 3, 45, 37}));
        const std::array<quint8, 5> raw{12, quint8(byte), 3, 45, 37};
        QCOMPARE(DecodeVial(raw.data()), vial);
    }

    void durationBytes_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("90") << 90 << QByteArray::fromHex("0000005A");
        QTest::newRow("-1") << -1 << QByteArray::fromHex("FFFFFFFF");
        QTest::newRow("most significant first") << 0x12345678 << QByteArray::fromHex("12345678");
        QTest::newRow("negative when the first byte is 80 or more") << int(0x80000001u) << QByteArray::fromHex("80000001");
    }

    void durationBytes()
    {
        QFETCH(int, minutes);
        QFETCH(QByteArray, bytes);
        const auto encoded = EncodeDuration(minutes);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(encoded.data()), 4), bytes);
        QCOMPARE(DecodeDuration(reinterpret_cast<const quint8 *>(bytes.constData())), minutes);
    }

    void programsSurviveEncodingAndDecoding()
    {
        const ProgramRecord em = sampleProgram(TypeEM);
        QCOMPARE(DecodeProgram(ProgramBlock(em)), em); // the name keeps its zero byte

        // An LM program keeps vials 1..12; 13..24 travel and return as empty vials.
        ProgramRecord lm = sampleProgram(TypeLM);
        const QByteArray block = ProgramBlock(lm);
        for (int v = 13; v <= VialCount; ++v) {
            QCOMPARE(block.mid(VialOffset(v), 5), QByteArray::fromHex("0100000000"));
            lm.vial(v) = VialStep::Blank();
        }
        QCOMPARE(DecodeProgram(block), lm);

        // Reading takes the type byte as it comes; LM ignores the bytes of vials 13..24.
        QByteArray typed = ProgramBlock(em);
        typed[MemoryMap::TypeOffset] = char(7);
        QCOMPARE(DecodeProgram(typed).Type, 7);
        QCOMPARE(DecodeProgram(typed).vial(24), em.vial(24));
        typed[MemoryMap::TypeOffset] = char(TypeLM);
        QCOMPARE(DecodeProgram(typed).vial(12), em.vial(12));
        QCOMPARE(DecodeProgram(typed).vial(13), VialStep::Blank());
        QCOMPARE(DecodeProgram(QByteArray()).Type, TypeLM); // missing bytes are 0
        QCOMPARE(ProgramReadOffsets(7).size(), size_t(138)); // any type but LM reads 24 vials
    }

    void encodingProblems_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("vial");
        QTest::addColumn<VialStep>("step");
        QTest::addColumn<QByteArray>("field"); // empty: no problem

        QTest::newRow("ordinary vial") << TypeEM << 3 << VialStep{200, 5, 1, 99, 59, 60} << QByteArray();
        QTest::newRow("hours beyond a byte") << TypeEM << 3 << VialStep{2, 0, 0, 300, 0, 0} << QByteArray("Hrs");
        QTest::newRow("negative temperature") << TypeEM << 24 << VialStep{2, 0, 0, 0, 0, -1} << QByteArray("Temp");
        QTest::newRow("reagent 256") << TypeEM << 1 << VialStep{256, 0, 0, 0, 0, 0} << QByteArray("Reagent");
        QTest::newRow("minutes beyond a byte") << TypeEM << 1 << VialStep{2, 0, 0, 0, 256, 0} << QByteArray("Min");
        QTest::newRow("pause -1") << TypeEM << 2 << VialStep{2, 0, -1, 0, 0, 0} << QByteArray("Pause");
        QTest::newRow("agitation into the pause bits") << TypeEM << 2 << VialStep{2, 16, 0, 0, 0, 0} << QByteArray("Agit");
        QTest::newRow("LM vial 20 is sent empty anyway") << TypeLM << 20 << VialStep{2, 0, 0, 300, 0, 0} << QByteArray();
        QTest::newRow("LM vial 12 is sent") << TypeLM << 12 << VialStep{2, 0, 0, 300, 0, 0} << QByteArray("Hrs");
    }

    void encodingProblems()
    {
        QFETCH(int, type);
        QFETCH(int, vial);
        QFETCH(VialStep, step);
        QFETCH(QByteArray, field);

        ProgramRecord program = ProgramRecord::Empty();
        program.Type = type;
        program.vial(vial) = step;
        const auto problem = FindEncodingProblem(program);
        QCOMPARE(problem.has_value(), !field.isEmpty());
        if (problem) {
            QCOMPARE(problem->field, field);
            QCOMPARE(problem->vial, vial);
        }
    }
};

QTEST_GUILESS_MAIN(TestMemoryMap)
#include "test_memory_map.moc"
