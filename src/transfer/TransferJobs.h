#pragma once

#include "InstrumentData.h"
#include "MemoryAccess.h"
#include "TransferJob.h"

#include <QString>

#include <optional>

namespace corvex {

// The jobs behind DeviceTransfers; see there and TransferJob.h for what
// each does.

// What a job works on.
struct TransferTarget
{
    MemoryAccess &memory;
    InstrumentData &data;
    QString storePath;
};

// Where a run of byte commands stopped.
struct StepResult
{
    MemoryFault fault = MemoryFault::None;
    int failedAddress = -1;
    int bytesMoved = 0;

    bool ok() const { return fault == MemoryFault::None; }
};

// Moves bytes one after another, each as soon as the previous has moved,
// and stops at the first that fails all its attempts.
class ByteJob : public TransferJob
{
    Q_OBJECT

public:
    ByteJob(TransferTarget target, int number, QObject *parent);
    void start() override;

protected:
    // Checks and prepares before the first byte; returns a refusal to end
    // with instead, if any.
    virtual std::optional<TransferOutcome> prepare() = 0;
    virtual int byteCount() const = 0;
    virtual int addressAt(int index) const = 0;
    // The value to write at `index`; nothing for a read.
    virtual std::optional<quint8> valueAt(int index) const
    {
        static_cast<void>(index);
        return std::nullopt;
    }
    // After byte `index` has moved (its value read or confirmed).
    virtual void byteMoved(int index, quint8 value) = 0;
    virtual void bytesDone() = 0;
    virtual void byteFailed(const StepResult &step) = 0;

    TransferTarget m_target;
    const int m_number;
    int m_moved = 0;

private:
    void next();

    int m_index = 0;
};

ByteJob *makeProgramRead(TransferTarget target, int number, QObject *parent);
ByteJob *makeProgramSend(TransferTarget target, int number, QObject *parent);
ByteJob *makeReagentRead(TransferTarget target, int number, QObject *parent);
ByteJob *makeReagentSend(TransferTarget target, int number, QObject *parent);
ByteJob *makeReadAll(TransferTarget target, QObject *parent);

} // namespace corvex
