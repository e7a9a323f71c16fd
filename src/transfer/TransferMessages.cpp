#include "TransferMessages.h"

#include "HexFormat.h"
#include "MemoryCommands.h"
#include "TransferText.h"

namespace corvex {

QString faultReason(MemoryFault fault, bool writing)
{
    switch (fault) {
    case MemoryFault::None:
        return {};
    case MemoryFault::NotConnected:
        return TransferText::tr("the Corvex is not connected (the serial port is closed)");
    case MemoryFault::NoAnswer:
        return TransferText::tr("the Corvex did not answer in %1 attempts").arg(memoryAttempts);
    case MemoryFault::WrongAnswer:
        return writing ? TransferText::tr("the Corvex did not confirm the value in %1 attempts").arg(memoryAttempts)
                       : TransferText::tr("the Corvex gave no valid answer in %1 attempts").arg(memoryAttempts);
    }
    return {};
}

QString nothingWasSent()
{
    return TransferText::tr("Nothing was sent.");
}

QString addressText(int address)
{
    return TransferText::tr("address %1 hex").arg(QString::fromLatin1(hexDigits(address, 4)));
}

} // namespace corvex
