#pragma once

#include "BusyState.h"
#include "InstrumentData.h"
#include "LinkMemory.h"
#include "TransferOutcome.h"
#include "UserVerifiedMemory.h"

#include <QObject>

#include <functional>
class QMenu;
class QWidget;

namespace corvex {

class BackupJob;
class DeviceConnection;
class SerialLink;
class TransferJob;

// The File menu's work on the whole instrument and on the record of
// transfers: "Back Up Instrument...", "Restore Instrument...", "Compare..."
// and "Transfer Log...". Backups and restores run as jobs in the window's busy
// state, beside a progress window with Stop, verified when the user's setting
// says so.
class WholeInstrumentActions : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget *window;
        InstrumentData &data;
        QString storePath;
        SerialLink &link;
        DeviceConnection &connection;
        std::function<int()> currentProgram;
        // After a restore has changed the data.
        std::function<void()> dataChanged;
        BusyState &busy;
        // Runs `job` in the busy state `kind`; `ended` is called before the
        // window becomes idle again, which shows a failure under `title`.
        std::function<void(BusyState::Kind kind, const QString &title, TransferJob *job,
                           const std::function<void(const TransferOutcome &)> &ended)>
            runJob;
    };

    WholeInstrumentActions(Parts parts, QObject *parent);

    void addTo(QMenu *menu);

    void backUp();
    void restore();
    void compare();
    void showLog();

    // Backs the instrument up into `file` (none when empty) under a progress
    // window; `done` gets the job (valid during the call) and its outcome.
    void runBackup(const QString &file, std::function<void(const BackupJob &, const TransferOutcome &)> done);

private:
    bool checkConnected(const QString &title);
    void runBusy(BusyState::Kind kind, const QString &title, TransferJob *job,
                 const std::function<void(const TransferOutcome &)> &ended);
    void showEnded(const QString &title, const TransferOutcome &outcome, const QString &doneText);

    Parts m_parts;
    LinkMemory m_linkMemory;
    UserVerifiedMemory m_memory;
    // The read for Compare under way, if any (backups and restores run in the
    // window's busy state).
    QObject *m_running = nullptr;
};

} // namespace corvex
