#include "SimOptions.h"

#include <QCommandLineParser>

namespace corvex {

namespace {

bool readCount(const QCommandLineParser &parser, const QString &name, int minimum, int *target, QString *error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < minimum) {
        *error = QStringLiteral("--%1 needs a whole number of at least %2, not \"%3\"").arg(name).arg(minimum).arg(parser.value(name));
        return false;
    }
    *target = value;
    return true;
}

} // namespace

std::optional<SimOptions> parseSimOptions(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates a Varnel Corvex on a serial line. Without --device it opens a pseudo-terminal and prints its "
        "path as the first line; point the utility or corvexctl --port at that path."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("device"), QStringLiteral("Answer on this serial device instead of a pseudo-terminal."), QStringLiteral("path")},
        {QStringLiteral("link"), QStringLiteral("Make a symbolic link with this name to the pseudo-terminal."), QStringLiteral("path")},
        {QStringLiteral("memory"), QStringLiteral("Load the 64 KiB memory image from this file if it exists, and save it after writes and on exit."), QStringLiteral("file")},
        {QStringLiteral("demo"), QStringLiteral("Start with demonstration reagents and programs (unless --memory names an existing file).")},
        {QStringLiteral("verbose"), QStringLiteral("Log every command received on standard error.")},
        {QStringLiteral("wire-timing"), QStringLiteral("Take as long as a 9600-baud line: about 1.04 ms per character each way.")},
        {QStringLiteral("turnaround"), QStringLiteral("Wait this long before answering (with --wire-timing)."), QStringLiteral("ms")},
        {QStringLiteral("line-end"), QStringLiteral("End replies with \"crlf\" (default) or \"cr\"."), QStringLiteral("crlf|cr")},
        {QStringLiteral("silent"), QStringLiteral("Never answer.")},
        {QStringLiteral("silent-after"), QStringLiteral("Answer this many commands, then none."), QStringLiteral("n")},
        {QStringLiteral("silent-from"), QStringLiteral("Answer nothing from the first read or write of this address (hexadecimal, as on the line: 1029 or 0x1029) on."), QStringLiteral("address")},
        {QStringLiteral("drop-every"), QStringLiteral("Do not answer every k-th command (a write still takes effect)."), QStringLiteral("k")},
        {QStringLiteral("wrong-address-every"), QStringLiteral("Echo a wrong address in the reply to every k-th command."), QStringLiteral("k")},
        {QStringLiteral("wrong-value-every"), QStringLiteral("Echo a wrong value in the reply to every k-th write."), QStringLiteral("k")},
        {QStringLiteral("corrupt-every"), QStringLiteral("Alter the value digits of every k-th memory reply (the line still looks valid)."), QStringLiteral("k")},
        {QStringLiteral("noise"), QStringLiteral("Send these characters before every reply."), QStringLiteral("text")},
        {QStringLiteral("split"), QStringLiteral("Send replies in pieces of n characters."), QStringLiteral("n")},
        {QStringLiteral("split-delay"), QStringLiteral("Pause between pieces (default 3)."), QStringLiteral("ms")},
    });
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        error->clear();
        parser.showHelp(); // exits
    }
    if (!parser.positionalArguments().isEmpty()) {
        *error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst());
        return std::nullopt;
    }

    SimOptions options;
    options.device = parser.value(QStringLiteral("device"));
    options.link = parser.value(QStringLiteral("link"));
    options.memoryFile = parser.value(QStringLiteral("memory"));
    options.demo = parser.isSet(QStringLiteral("demo"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    options.wireTiming = parser.isSet(QStringLiteral("wire-timing"));
    options.silent = parser.isSet(QStringLiteral("silent"));
    options.noise = parser.value(QStringLiteral("noise")).toLatin1();

    if (parser.isSet(QStringLiteral("turnaround"))) {
        bool ok = false;
        const double ms = parser.value(QStringLiteral("turnaround")).toDouble(&ok);
        options.turnaround = std::chrono::round<std::chrono::nanoseconds>(std::chrono::duration<double, std::milli>(ms));
        if (!ok || ms < 0) {
            *error = QStringLiteral("--turnaround needs a number of milliseconds, not \"%1\"").arg(parser.value(QStringLiteral("turnaround")));
            return std::nullopt;
        }
    }
    const QString lineEnd = parser.value(QStringLiteral("line-end"));
    if (!lineEnd.isEmpty() && lineEnd != QLatin1String("cr") && lineEnd != QLatin1String("crlf")) {
        *error = QStringLiteral("--line-end is \"cr\" or \"crlf\", not \"%1\"").arg(lineEnd);
        return std::nullopt;
    }
    options.lineFeed = lineEnd != QLatin1String("cr");

    if (parser.isSet(QStringLiteral("silent-from"))) {
        QString text = parser.value(QStringLiteral("silent-from"));
        if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            text = text.mid(2);
        bool ok = false;
        options.silentFrom = text.toInt(&ok, 16);
        if (!ok || text.size() > 4 || options.silentFrom < 0) {
            *error = QStringLiteral("--silent-from needs a hexadecimal address 0..FFFF, not \"%1\"").arg(parser.value(QStringLiteral("silent-from")));
            return std::nullopt;
        }
    }
    int splitDelayMs = int(options.splitDelay.count());
    if (!readCount(parser, QStringLiteral("silent-after"), 0, &options.silentAfter, error)
        || !readCount(parser, QStringLiteral("drop-every"), 1, &options.dropEvery, error)
        || !readCount(parser, QStringLiteral("wrong-address-every"), 1, &options.wrongAddressEvery, error)
        || !readCount(parser, QStringLiteral("wrong-value-every"), 1, &options.wrongValueEvery, error)
        || !readCount(parser, QStringLiteral("corrupt-every"), 1, &options.corruptEvery, error)
        || !readCount(parser, QStringLiteral("split"), 1, &options.splitSize, error)
        || !readCount(parser, QStringLiteral("split-delay"), 0, &splitDelayMs, error))
        return std::nullopt;
    options.splitDelay = std::chrono::milliseconds(splitDelayMs);
    return options;
}

} // namespace corvex
