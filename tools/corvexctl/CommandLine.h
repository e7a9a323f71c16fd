#pragma once

#include "Command.h"

namespace corvex {

// The words of a command line are read in two steps: the command name is
// found first, then the other words are read with that command's options.
// Options may come before the command name, between its arguments and after
// them; "--" ends the options.

// The index of the command name in `words`: the first word that is neither
// an option nor the value of one. -1 when there is none.
qsizetype commandNameIndex(const QList<Command> &commands, const QStringList &words, bool *helpAsked);

// A command's words, its name taken out, read with its own options.
struct CommandWords
{
    bool helpAsked = false;
    QString error; // why the words do not fit the command, worded for the user
    QStringList arguments;
    QHash<QString, QString> options; // by name; a switch has an empty value
};

CommandWords readCommandWords(const Command &command, const QStringList &words);

} // namespace corvex
