#pragma once

#include "Command.h"

#include "model/InstrumentData.h"

// The option --store PATH that every command on the local store takes.
CommandOption StoreOption();

// The store the command works on: --store, or the utility's own store.
QString StorePath(const CommandContext &context);

// Loads the store into `data`. A missing store is an error unless
// `missingIsBlank`; an unreadable one always is. Prints its own message.
bool LoadStoreFor(CommandContext &context, InstrumentData &data, bool missingIsBlank);

// Program07 ("name"), as the utility names a program in its messages.
QString ProgramLabel(int number, const InstrumentData &data);
