#include "link/MemoryCommands.h"
#include "link/ReceiveRules.h"

#include <QTest>

namespace {

// Answers each transaction with the next scripted reply (the last one
// repeats). "TIMEOUT" and "CLOSED" end a transaction without an answer.
class ScriptedChannel : public CommandChannel
{
public:
    explicit ScriptedChannel(QByteArrayList replies)
        : m_replies(std::move(replies))
    {
    }

    TransactionResult SendCommand(const QByteArray &command) override
    {
        commands << command;
        const QByteArray scripted = m_replies.at(std::min<qsizetype>(commands.size(), m_replies.size()) - 1);
        const QByteArray substitute = TimeOutSubstitute(ExpectedPrefixFor(command));
        if (scripted == "TIMEOUT")
            return {substitute, TransactionResult::Ending::TimedOut};
        if (scripted == "CLOSED")
            return {substitute, TransactionResult::Ending::PortClosed};
        return {scripted, TransactionResult::Ending::Answered};
    }

    QByteArrayList commands;

private:
    QByteArrayList m_replies;
};

} // namespace

Q_DECLARE_METATYPE(MemoryFault)

// Five attempts, address and echo checks, and what each memory command reports.
class TestMemoryCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readMemory_data()
    {
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<MemoryFault>("fault");
        QTest::addColumn<int>("value");

        QTest::newRow("answered at once") << QByteArrayList{"?125,2000,4A"} << 1 << MemoryFault::None << 74;
        QTest::newRow("wrong address every time keeps the parsed value")
            << QByteArrayList{"?125,2001,4A"} << 5 << MemoryFault::WrongAnswer << 74;
        QTest::newRow("no instrument gives 0") << QByteArrayList{"TIMEOUT"} << 5 << MemoryFault::NoAnswer << 0;
        QTest::newRow("port closed") << QByteArrayList{"CLOSED"} << 5 << MemoryFault::NotConnected << 0;
        QTest::newRow("answered on the last attempt")
            << QByteArrayList{"TIMEOUT", "TIMEOUT", "TIMEOUT", "TIMEOUT", "?125,2000,00"} << 5 << MemoryFault::None << 0;
        QTest::newRow("unreadable value is retried")
            << QByteArrayList{"?125,2000,4G", "?125,2000,4A"} << 2 << MemoryFault::None << 74;
        QTest::newRow("value beyond a byte is retried")
            << QByteArrayList{"?125,2000,141", "?125,2000,41"} << 2 << MemoryFault::None << 0x41;
        QTest::newRow("reply of an interleaved command is retried")
            << QByteArrayList{"?1F1,4178-305", "?125,2000,4A"} << 2 << MemoryFault::None << 74;
        QTest::newRow("answers mixed with time-outs count as wrong")
            << QByteArrayList{"TIMEOUT", "?125,2001,10", "?125,2001,20", "?125,2001,30", "?125,2001,40"} << 5
            << MemoryFault::WrongAnswer << 0x40;
        QTest::newRow("the substitute's value counts as parsed")
            << QByteArrayList{"?125,2001,10", "TIMEOUT"} << 5 << MemoryFault::WrongAnswer << 0;
        QTest::newRow("empty value never succeeds")
            << QByteArrayList{"?125,2000,"} << 5 << MemoryFault::WrongAnswer << 0;
    }

    void readMemory()
    {
        QFETCH(QByteArrayList, replies);
        QFETCH(int, attempts);
        QFETCH(MemoryFault, fault);
        QFETCH(int, value);

        ScriptedChannel channel(replies);
        const MemoryReadResult result = ReadMemory(channel, 0x2000);
        QCOMPARE(result.attempts, attempts);
        QCOMPARE(channel.commands, QByteArrayList(attempts, "25,2000"));
        QCOMPARE(result.fault, fault);
        QCOMPARE(result.value, value);
    }

    void writeMemory_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<MemoryFault>("fault");

        QTest::newRow("echo confirms") << 0x41 << QByteArrayList{"?126,1000,41"} << QByteArray("26,1000,41") << 1 << MemoryFault::None;
        QTest::newRow("wrong echo is repeated")
            << 0x41 << QByteArrayList{"?126,1000,40", "?126,1000,41"} << QByteArray("26,1000,41") << 2 << MemoryFault::None;
        QTest::newRow("wrong address is repeated")
            << 0x41 << QByteArrayList{"?126,1001,41", "?126,1000,41"} << QByteArray("26,1000,41") << 2 << MemoryFault::None;
        QTest::newRow("an earlier echo does not confirm a later reply")
            << 0x41 << QByteArrayList{"?126,1001,41", "?126,1000,ZZ", "?126,1000,41"} << QByteArray("26,1000,41") << 3
            << MemoryFault::None;
        QTest::newRow("value 300 can never be confirmed")
            << 300 << QByteArrayList{"?126,1000,2C"} << QByteArray("26,1000,2C") << 5 << MemoryFault::WrongAnswer;
        QTest::newRow("no instrument") << 0x41 << QByteArrayList{"TIMEOUT"} << QByteArray("26,1000,41") << 5 << MemoryFault::NoAnswer;
        QTest::newRow("port closed") << 0 << QByteArrayList{"CLOSED"} << QByteArray("26,1000,00") << 5 << MemoryFault::NotConnected;
        QTest::newRow("zero") << 0 << QByteArrayList{"?126,1000,00"} << QByteArray("26,1000,00") << 1 << MemoryFault::None;
    }

    void writeMemory()
    {
        QFETCH(int, value);
        QFETCH(QByteArrayList, replies);
        QFETCH(QByteArray, command);
        QFETCH(int, attempts);
        QFETCH(MemoryFault, fault);

        ScriptedChannel channel(replies);
        const MemoryCommandResult result = WriteMemory(channel, 0x1000, value);
        QCOMPARE(result.attempts, attempts);
        QCOMPARE(channel.commands, QByteArrayList(attempts, command));
        QCOMPARE(result.fault, fault);
    }
};

QTEST_GUILESS_MAIN(TestMemoryCommands)
#include "test_memory_commands.moc"
