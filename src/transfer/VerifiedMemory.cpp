#include "VerifiedMemory.h"

#include <functional>

#include <algorithm>

namespace corvex {

namespace {

// Runs the commands behind one verified byte. It lives as a child of the
// reply it answers, so it goes when that reply is deleted.
class Verification : public QObject
{
public:
    Verification(MemoryAccess &memory, int address, MemoryReply *outer)
        : QObject(outer)
        , m_memory(memory)
        , m_address(address)
        , m_outer(outer)
    {
        connect(outer, &MemoryReply::aborted, this, [this] {
            if (m_inner)
                m_inner->abort();
        });
    }

    ~Verification() override
    {
        if (m_inner) {
            m_inner->abort();
            m_inner->deleteLater();
        }
    }

    void read()
    {
        run(m_memory.readByte(m_address), [this](MemoryReply &reply) {
            const auto value = static_cast<quint8>(reply.value());
            // Only consecutive readings count: a line that alters every k-th
            // reply alters readings 1 and 1 + k alike, and they would agree.
            if (m_readings > 0 && value == m_lastReading) {
                finish(MemoryFault::None, value);
                return;
            }
            m_lastReading = value;
            if (++m_readings == VerifiedMemory::maxReadings)
                finish(MemoryFault::WrongAnswer, value);
            else
                read();
        });
    }

    void write(quint8 value)
    {
        ++m_writes;
        run(m_memory.writeByte(m_address, value), [this, value](MemoryReply &) {
            run(m_memory.readByte(m_address), [this, value](MemoryReply &readBack) {
                if (static_cast<quint8>(readBack.value()) == value)
                    finish(MemoryFault::None, value);
                else if (m_writes == VerifiedMemory::maxWrites)
                    finish(MemoryFault::WrongAnswer, value);
                else
                    write(value);
            });
        });
    }

private:
    // Issues one command; a command that fails all its attempts fails the byte.
    void run(MemoryReply *reply, std::function<void(MemoryReply &)> next)
    {
        m_inner = reply;
        ++m_commands;
        connect(reply, &MemoryReply::retrying, m_outer, [this](int attempt, int) { m_outer->reportRetry(attempt); });
        connect(reply, &MemoryReply::finished, this, [this, reply, next = std::move(next)] {
            m_inner = nullptr;
            reply->deleteLater();
            if (m_outer->isAborted())
                return;
            if (!reply->ok()) {
                finish(reply->fault(), reply->value());
                return;
            }
            next(*reply);
        });
    }

    void finish(MemoryFault fault, qint32 value) { m_outer->finish(fault, value, m_commands); }

    MemoryAccess &m_memory;
    const int m_address;
    MemoryReply *m_outer;
    MemoryReply *m_inner = nullptr;
    int m_readings = 0;
    quint8 m_lastReading = 0;
    int m_writes = 0;
    int m_commands = 0;
};

} // namespace

VerifiedMemory::VerifiedMemory(MemoryAccess &memory)
    : m_memory(memory)
{
}

MemoryReply *VerifiedMemory::readByte(int address)
{
    auto *reply = new MemoryReply;
    (new Verification(m_memory, address, reply))->read();
    return reply;
}

MemoryReply *VerifiedMemory::writeByte(int address, quint8 value)
{
    auto *reply = new MemoryReply;
    (new Verification(m_memory, address, reply))->write(value);
    return reply;
}

} // namespace corvex
