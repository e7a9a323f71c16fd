#pragma once

#include <QMetaType>
#include <QString>

namespace corvex {

struct TransferOutcome
{
    enum class Status {
        Done,         // moved, and saved where the utility saves
        Stopped,      // ended early on request: a read saved nothing; Read ALL kept and saved what it read
        Refused,      // nothing sent: the data cannot be stored on the instrument as it is
        DeviceFailed, // a byte failed all its attempts; see message
        StoreFailed,  // the transfer worked but CORVEX.ini could not be written; see message
    };

    Status status = Status::Done;
    // Empty for Done and Stopped; otherwise a text for a message box that
    // says what failed and what became of the data.
    QString message;
    // Read ALL: how many reagents (from reagent 1 on) were read into the table.
    int reagentsRead = 0;

    // True when everything went as asked (Done or Stopped); StoreFailed is
    // not, though its data did move, because it has a message to show.
    bool transferred() const { return status == Status::Done || status == Status::Stopped; }
};

inline TransferOutcome makeOutcome(TransferOutcome::Status status, const QString &message = {})
{
    return TransferOutcome{status, message};
}

} // namespace corvex

Q_DECLARE_METATYPE(corvex::TransferOutcome)
