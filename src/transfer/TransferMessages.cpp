#include "TransferMessages.h"

#include "HexFormat.h"
#include "MemoryCommands.h"

namespace corvex {

QString faultReason(MemoryFault fault, bool writing)
{
    switch (fault) {
    case MemoryFault::None:
        return {};
    case MemoryFault::NotConnected:
        return QStringLiteral("the Corvex is not connected (the serial port is closed)");
    case MemoryFault::NoAnswer:
        return QStringLiteral("the Corvex did not answer in %1 attempts").arg(memoryAttempts);
    case MemoryFault::WrongAnswer:
        return writing ? QStringLiteral("the Corvex did not confirm the value in %1 attempts").arg(memoryAttempts)
                       : QStringLiteral("the Corvex gave no valid answer in %1 attempts").arg(memoryAttempts);
    }
    return {};
}

QString nothingWasSent()
{
    return QStringLiteral("Nothing was sent.");
}

QString addressText(int address)
{
    return QStringLiteral("address %1 hex").arg(QString::fromLatin1(hexDigits(address, 4)));
}

} // namespace corvex
