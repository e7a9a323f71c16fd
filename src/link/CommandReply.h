#pragma once

#include "PendingReply.h"

#include <QByteArray>

namespace corvex {

// The answer to one command sent with SerialLink::sendCommand. It finishes
// once, from the event loop (never inside the call that made it), when the
// transaction has ended: with the reply, or with an error and the substitute
// "?1" + two command characters + "00000000" as reply().
//
// The link is its parent; delete it (deleteLater()) once it has finished, or
// leave it to the link.
class CommandReply : public PendingReply
{
    Q_OBJECT

public:
    enum class Error {
        NoError,    // a reply with the expected prefix was completed by CR
        Timeout,    // six sends, one per tick, and no such reply
        PortClosed, // the port was not open when the command's turn came
        PortLost,   // the port went away (or was closed) while waiting
    };
    Q_ENUM(Error)

    QByteArray command() const { return m_command; }
    // The reply without CR and LF, or the substitute; empty until finished.
    QByteArray reply() const { return m_reply; }
    Error error() const { return m_error; }

    // Gives the command up: one still waiting for its turn is never sent;
    // one on the wire runs to its end (the line is not left mid-exchange)
    // but this reply no longer reports. Emits nothing; the link deletes
    // the reply once the command is off the line.
    void abort();

private:
    friend class SerialLink;
    CommandReply(QByteArray command, QObject *parent);
    void finish(const QByteArray &reply, Error error);

    QByteArray m_command;
    QByteArray m_reply;
    Error m_error = Error::NoError;
};

} // namespace corvex
