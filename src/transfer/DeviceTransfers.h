#pragma once

#include "model/InstrumentData.h"
#include "transfer/MemoryAccess.h"
#include "transfer/TransferObserver.h"

#include <QString>

struct TransferOutcome
{
    enum class Status {
        Done,         // moved, and saved where the utility saves
        Stopped,      // Read ALL ended early on request; what was read is kept and saved
        Refused,      // nothing sent: the data cannot be stored on the instrument as it is
        DeviceFailed, // a byte failed all its attempts; see message
        StoreFailed,  // the transfer worked but CORVEX.ini could not be written; see message
    };

    Status status = Status::Done;
    // Empty for Done and Stopped; otherwise a text for a message box that
    // says what failed and what became of the data.
    QString message;
    // Read ALL: how many reagents (from reagent 1 on) were read into the table.
    int reagentsRead = 0;

    // True when everything went as asked (Done or Stopped); StoreFailed is
    // not, though its data did move, because it has a message to show.
    bool transferred() const { return status == Status::Done || status == Status::Stopped; }
};

// The transfers as the utility runs them, on top of the instrument's memory:
// they move data between the instrument and `data`, and save to the local
// store at `storePath` exactly when the utility does.
//
// - ReadProgram(n): on success program n is replaced and saved (SaveToStore(n)).
// - SendProgram(n): on success program n is saved.
// - ReadReagent(r): on success reagent r is replaced; nothing is saved.
// - SendReagent(r): on success the reagent list is saved (SaveToStore(0)).
// - ReadAllReagents: each reagent is replaced as it is read; after the last,
//   after a stop, or after a failure the reagent list is saved.
//
// A read stops at the first byte that fails all its attempts: the program or
// reagent keeps its previous content in the table and in the store. A send
// that fails part-way stops, says what may now be incomplete on the
// instrument, and saves nothing. Read ALL keeps (and saves) the reagents read
// before a failure; the failing reagent and those after it keep their names.
class DeviceTransfers
{
public:
    DeviceTransfers(MemoryAccess &memory, InstrumentData &data, QString storePath);

    TransferOutcome ReadProgram(int number, TransferObserver &observer);
    TransferOutcome SendProgram(int number, TransferObserver &observer);
    TransferOutcome ReadReagent(int number);
    TransferOutcome SendReagent(int number);
    TransferOutcome ReadAllReagents(TransferObserver &observer);

private:
    MemoryAccess &m_memory;
    InstrumentData &m_data;
    QString m_storePath;
};
