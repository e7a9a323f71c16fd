#pragma once

#include "InstrumentData.h"
#include "MemoryAccess.h"
#include "StoreSections.h"
#include "TransferJob.h"

#include <QString>

namespace corvex {

// Sends a part of a backup to the instrument: programs first..last (a slot
// with a blank name as an empty program, as Delete then Send leaves it),
// then the 200 reagent names when the part has them. A program with a value
// the instrument cannot hold, and a store that cannot be written, are
// refused before anything is sent; readRestoreSource checks the file itself.
//
// After a complete restore the part is taken into `data` and saved to the
// store at `storePath` in one write. A failure says which program or reagent
// may be incomplete on the instrument and which were sent or not; like a
// failed send it changes neither `data` nor the store. stop() finishes the
// program or reagent under way, then ends (Stopped) the same way.
// progress(done, total) counts bytes.
class RestoreJob : public TransferJob
{
    Q_OBJECT

public:
    RestoreJob(MemoryAccess &memory, const InstrumentData &backup, StorePart part, InstrumentData &data,
               QString storePath, QObject *parent = nullptr);

    void start() override;
    int totalBytes() const;

protected:
    void stopRequested() override {}

private:
    struct Item
    {
        int program = 0; // 1..99, or 0 for a reagent
        int reagent = 0;
        std::vector<std::pair<int, quint8>> bytes; // address, value
    };

    void next();
    void failed(const MemoryReply &reply, int address);
    void ended(TransferOutcome outcome);
    QString itemLabel(const Item &item) const;
    QString sentSoFar(bool itemUnderWay) const;

    MemoryAccess &m_memory;
    InstrumentData m_backup;
    const StorePart m_part;
    InstrumentData &m_data;
    const QString m_storePath;
    std::vector<Item> m_items;
    size_t m_item = 0;
    size_t m_byte = 0;
    int m_bytesSent = 0;
};

} // namespace corvex
