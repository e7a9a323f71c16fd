#pragma once

#include "Command.h"

#include "InstrumentData.h"
#include "StoreLock.h"

#include <functional>
#include <memory>
#include <optional>

namespace corvex {

// The option --store PATH that every command on the local store takes.
CommandOption storeOption();

// The store the command works on: --store, or the utility's own store.
QString storePath(const CommandContext &context);

// Loads the store into `data`. A missing store is an error unless
// `missingIsBlank`; an unreadable one always is. Prints its own message.
bool loadStoreFor(CommandContext &context, InstrumentData &data, bool missingIsBlank);

// Program07 ("name"), as the utility names a program in its messages.
QString programLabel(int number, const InstrumentData &data);

// What a command works on, checked and loaded before its own work starts:
// its argument N and the data of the store.
struct Subject
{
    int number = 0;
    InstrumentData data;
    std::unique_ptr<StoreLock> lock; // held while a command that saves to the store runs
};

// The first argument of a command, when it is a number.
enum class NumberArgument { None, Program, Reagent };

enum class StoreUse {
    None,          // the data starts blank; the store is neither read nor needed
    Existing,      // the store must exist; the command only reads it
    MayBeMissing,  // a missing store is blank data; the command saves to it
    SavesExisting, // the store must exist; the command saves to it
};

using SubjectCommand = std::function<int(CommandContext &, Subject &)>;

// Runs `run` once argument N has been checked and the store loaded as `use`
// says; a failure there is printed and ends the command.
std::function<int(CommandContext &)> onStore(NumberArgument number, StoreUse use, SubjectCommand run);

// Checks argument N and loads the store into `subject`; a command that saves
// to the store locks it first, so that it is refused while another utility
// works on that store. The exit code to end
// with when that failed (after printing why), nothing when all is well.
std::optional<int> prepareSubject(CommandContext &context, NumberArgument number, StoreUse use, Subject &subject);

} // namespace corvex
