#pragma once

#include "InstrumentData.h"
#include "TransferLog.h"
#include "MemoryAccess.h"
#include "TransferJob.h"
#include "TransferOutcome.h"

#include <QString>

#include <functional>

namespace corvex {

// Makes the transfers as the utility runs them, on top of the instrument's
// memory: they move data between the instrument and `data`, and save to the
// local store at `storePath` exactly when the utility does.
//
// Each function returns a job that has not started; `parent` owns it (or the
// caller, when it is null). Start it with start(), delete it with
// deleteLater() once it has finished. Run one job at a time.
//
// - readProgram(n): on success program n is replaced and saved (saveToStore(n)).
// - sendProgram(n): on success program n is saved.
// - readReagent(r): on success reagent r is replaced; nothing is saved.
// - sendReagent(r): on success the reagent list is saved (saveToStore(0)).
// - readAllReagents(): each reagent is replaced as it is read; after the
//   last, after a stop, or after a failure the reagent list is saved.
//
// A read stops at the first byte that fails all its attempts: the program or
// reagent keeps its previous content in the table and in the store. A send
// that fails part-way stops, says what may now be incomplete on the
// instrument, and saves nothing. Read ALL keeps (and saves) the reagents read
// before a failure; the failing reagent and those after it keep their names.
// A number out of range, or a program with a value the instrument cannot
// hold, is Refused before anything is sent. Every job adds a line to `log`
// when it finishes. How stop() ends each job:
// TransferJob.h.
class DeviceTransfers
{
public:
    DeviceTransfers(MemoryAccess &memory, InstrumentData &data, QString storePath, TransferLog &log);

    TransferJob *readProgram(int number, QObject *parent = nullptr);
    TransferJob *sendProgram(int number, QObject *parent = nullptr);
    TransferJob *readReagent(int number, QObject *parent = nullptr);
    TransferJob *sendReagent(int number, QObject *parent = nullptr);
    TransferJob *readAllReagents(QObject *parent = nullptr);

private:
    std::function<QString()> programFingerprint(int number) const;
    std::function<QString()> reagentFingerprint(int number) const;

    MemoryAccess &m_memory;
    InstrumentData &m_data;
    QString m_storePath;
    TransferLog &m_log;
};

} // namespace corvex
