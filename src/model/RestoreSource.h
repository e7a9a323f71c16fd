#pragma once

#include "InstrumentData.h"
#include "ProgramSection.h"
#include "StoreSections.h"

#include <QList>
#include <QString>

namespace corvex {

// A backup (or a complete store) read for a restore: everything the restore
// will send, or the reasons why it must not send anything.
struct RestoreSource
{
    InstrumentData data; // the part that was asked for; the rest stays blank
    QString error;       // the file cannot be read at all, or is no backup
    QList<KeyProblem> problems;

    bool ok() const { return error.isEmpty() && problems.isEmpty(); }
    // Why `file` is refused, fit for a message box: the first few problems and
    // how many more there are.
    QString refusal(const QString &file) const;
};

// Reads the sections of `part` from `file`: each must be there with every
// key ("Reagents" with R001..R200, "Program01".."Program99" with their 147
// keys), and every number of a program with a name must parse and lie in
// the range the instrument holds, every Type be LM or EM. A program with a
// blank name is restored as an empty program, so only its keys must be there.
RestoreSource readRestoreSource(const QString &file, const StorePart &part);

// Why the store at `storePath` cannot be written now (empty when it can): a
// folder, a file that cannot be read or has no write permission, a folder
// where no file can be created.
QString storeWriteProblem(const QString &storePath);

} // namespace corvex
