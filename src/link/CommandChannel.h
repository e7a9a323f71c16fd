#pragma once

#include <QByteArray>

// How a transaction ended.
struct TransactionResult
{
    enum class Ending {
        Answered,   // a reply with the expected prefix was completed by CR
        TimedOut,   // six ticks without one: reply holds the substitute
        PortClosed, // the port was not open (or went away): reply holds the substitute
    };

    // The reply without CR and LF as it stood when the transaction ended,
    // or the substitute "?1" + two command characters + "00000000".
    QByteArray reply;
    Ending ending = Ending::Answered;

    bool answered() const { return ending == Ending::Answered; }
};

// Something that runs one request/reply transaction with the instrument.
// SerialLink in the product; scripted fakes in tests of the memory commands.
class CommandChannel
{
public:
    virtual ~CommandChannel() = default;

    // Sends "!1" + command + CR and returns when the transaction has ended.
    virtual TransactionResult SendCommand(const QByteArray &command) = 0;
};
