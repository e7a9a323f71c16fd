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

QByteArray blockOf(const ProgramRecord &program)
{
    QByteArray block(MemoryMap::ProgramBlockSize, '\0');
    for (const BlockByte &byte : EncodeProgram(program))
        block[byte.offset] = static_cast<char>(byte.value);
    return block;
}

} // namespace

// Addresses and the byte encoding of programs and reagent names.
class TestMemoryMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addresses()
    {
        QCOMPARE(ReagentAddress(1), 0x1000);
        QCOMPARE(ReagentAddress(200), 0x1A1B);
        QCOMPARE(ReagentAddress(200) + MemoryMap::ReagentEntrySize - 1, 0x1A27);
        QCOMPARE(ProgramAddress(1), 0x2000);
        QCOMPARE(ProgramAddress(1) + MemoryMap::ProgramBlockSize - 1, 0x2095);
        QCOMPARE(ProgramAddress(99), 0x596C);
        QCOMPARE(ProgramAddress(99) + MemoryMap::TypeOffset, 0x5A01);
        QCOMPARE(VialOffset(13), 77);
        QCOMPARE(VialOffset(24) + MemoryMap::VialSlotSize - 1, 136);
    }

    void readOffsets()
    {
        const std::vector<int> em = ProgramReadOffsets(TypeEM);
        const std::vector<int> lm = ProgramReadOffsets(TypeLM);
        QCOMPARE(int(em.size()), 138);
        QCOMPARE(int(lm.size()), 78);
        QCOMPARE(em[17], 149);
        QCOMPARE(lm.back(), 76);
        QVERIFY(std::equal(lm.begin(), lm.end(), em.begin()));
        QCOMPARE(int(ProgramReadOffsets(7).size()), 138); // any type but LM reads 24 vials
    }

    void vialBytes_data()
    {
        QTest::addColumn<int>("pause");
        QTest::addColumn<int>("agit");
        QTest::addColumn<int>("encoded");
        QTest::newRow("pause with AG3") << 1 << 3 << 0x83;
        QTest::newRow("continue with AG5") << 0 << 5 << 0x05;
        QTest::newRow("pause with AG0") << 1 << 0 << 0x80;
    }

    void vialBytes()
    {
        QFETCH(int, pause);
        QFETCH(int, agit);
        QFETCH(int, encoded);
        const VialStep vial{12, agit, pause, 3, 45, 37};
        const auto bytes = EncodeVial(vial);
        QCOMPARE(bytes, (std::array<int, 5>{12, encoded, 3, 45, 37}));
        std::array<quint8, 5> raw{};
        std::copy(bytes.begin(), bytes.end(), raw.begin());
        QCOMPARE(DecodeVial(raw.data()), vial);
    }

    void bitsFourToSixAreIgnoredWhenReading()
    {
        const quint8 slot[] = {1, 0x8F, 0, 0, 0};
        QCOMPARE(DecodeVial(slot).Pause, 1);
        QCOMPARE(DecodeVial(slot).Agit, 15);
        const quint8 noisy[] = {1, 0x73, 0, 0, 0};
        QCOMPARE(DecodeVial(noisy).Pause, 0);
        QCOMPARE(DecodeVial(noisy).Agit, 3);
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
        QCOMPARE(DecodeProgram(blockOf(em)), em);
        QCOMPARE(DecodeProgram(blockOf(em)).Name, QByteArray("AB\0 \xE9XYZ     ", 13));

        // An LM program keeps vials 1..12; 13..24 travel and return as empty vials.
        ProgramRecord lm = sampleProgram(TypeLM);
        const QByteArray block = blockOf(lm);
        for (int v = 13; v <= VialCount; ++v) {
            QCOMPARE(block.mid(VialOffset(v), 5), QByteArray::fromHex("0100000000"));
            lm.vial(v) = VialStep::Blank();
        }
        QCOMPARE(DecodeProgram(block), lm);
    }

    void readingAnLmProgramIgnoresTheBytesOfVials13To24()
    {
        QByteArray block = blockOf(sampleProgram(TypeEM));
        block[MemoryMap::TypeOffset] = char(TypeLM);
        const ProgramRecord program = DecodeProgram(block);
        QCOMPARE(program.vial(12), sampleProgram(TypeEM).vial(12));
        QCOMPARE(program.vial(13), VialStep::Blank());
        QCOMPARE(DecodeProgram(QByteArray()).Type, TypeLM); // missing bytes are 0
    }

    void typeByteIsTakenAsItComes()
    {
        QByteArray block = blockOf(sampleProgram(TypeEM));
        block[MemoryMap::TypeOffset] = char(7);
        QCOMPARE(DecodeProgram(block).Type, 7);
        QCOMPARE(DecodeProgram(block).vial(24), sampleProgram(TypeEM).vial(24));
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
