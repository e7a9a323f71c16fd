#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

namespace corvex {

struct SimOptions
{
    QString device;     // a serial device to answer on instead of a pseudo-terminal
    QString link;       // a symbolic link to create to the pseudo-terminal
    QString memoryFile; // memory image to load and keep up to date
    bool demo = false;  // start from demonstration data (when no memory file exists yet)
    bool verbose = false;

    bool wireTiming = false; // pace characters like a 9600-baud line
    std::chrono::nanoseconds turnaround{0}; // time the instrument takes before it answers
    bool lineFeed = true;    // end replies with CR LF rather than CR

    bool silent = false;
    int silentAfter = -1;       // answer this many commands, then none
    int silentFrom = -1;        // answer nothing from the first command on this address on
    int dropEvery = 0;          // drop the reply of every k-th command
    int wrongAddressEvery = 0;  // every k-th reply echoes a wrong address
    int wrongValueEvery = 0;    // every k-th write reply echoes a wrong value
    int corruptEvery = 0;       // every k-th memory reply carries another value, still valid hexadecimal
    QByteArray noise;           // sent before every reply
    int splitSize = 0;          // send replies in pieces of this many characters
    std::chrono::milliseconds splitDelay{3}; // pause between pieces
};

// Parses the command line; on failure returns nothing and sets `error`
// (empty error: help was shown).
std::optional<SimOptions> parseSimOptions(const QStringList &arguments, QString *error);

} // namespace corvex
