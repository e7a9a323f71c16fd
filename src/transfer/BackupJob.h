#pragma once

#include "BackupFile.h"
#include "InstrumentData.h"
#include "MemoryAccess.h"
#include "TransferJob.h"

#include <QString>

namespace corvex {

// Reads the whole instrument: for each program slot its 13 name bytes first,
// and the rest of the program only when the name is not blank (spaces or
// NUL bytes; a blank slot is an empty program, as the store treats it); then
// the 200 reagent names. With 12 used programs that is about a third of
// reading every slot whole.
//
// When complete, and only then, the data is written as a backup file to
// `file` (atomically; no file when `file` is empty, for a comparison). A
// failure or stop writes nothing and says where the backup stopped.
// progress(done, expected) counts bytes; `expected` grows as used programs
// are found. stop() ends it between two bytes.
class BackupJob : public TransferJob
{
    Q_OBJECT

public:
    BackupJob(MemoryAccess &memory, QString file, BackupInfo info, QObject *parent = nullptr);

    void start() override;

    // The data read; complete once finished with Done.
    const InstrumentData &data() const { return m_data; }
    int bytesRead() const { return m_bytesRead; }
    int bytesExpected() const;

protected:
    void stopRequested() override;

private:
    enum class Phase { ProgramName, ProgramRest, Reagents };

    void next();
    int address() const;
    void byteRead(quint8 value);
    void failed(const MemoryReply &reply, int address);
    void complete();
    QString whereText() const;

    MemoryAccess &m_memory;
    const QString m_file;
    BackupInfo m_info;
    InstrumentData m_data;
    Phase m_phase = Phase::ProgramName;
    int m_item = 1;           // program 1..99 or reagent 1..200
    int m_index = 0;          // byte of the item under way
    QByteArray m_bytes;       // of the item under way (a program: its 150-byte block)
    std::vector<int> m_restOffsets;
    int m_bytesRead = 0;
    int m_restExpected = 0;   // bytes of the used programs found so far, after their names
};

} // namespace corvex
