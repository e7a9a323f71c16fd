#pragma once

#include "BusyState.h"
#include "InstrumentData.h"
#include "TransferOutcome.h"

#include <QObject>

#include <functional>
class QMenu;
class QWidget;

namespace corvex {

class JobRunner;
class TransferJob;

// The File menu's work on the whole instrument and on the record of
// transfers: "Back Up Instrument...", "Restore Instrument...", "Compare..."
// and "Transfer Log...". Backups and restores run as jobs of the window's
// runner, beside a progress window with Stop; Compare is a window of its own
// beside the main window, whose read of the Corvex is a job of the runner too.
class WholeInstrumentActions : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        QWidget *window;
        InstrumentData &data;
        QString storePath;
        JobRunner &runner;
        std::function<int()> currentProgram;
        // After a restore has changed the data.
        std::function<void()> dataChanged;
    };

    WholeInstrumentActions(Parts parts, QObject *parent);

    void addTo(QMenu *menu);

    void backUp();
    void restore();
    void compare();
    void showLog();

private:
    // True when a job can start now; otherwise says why (under `title`).
    bool checkReady(const QString &title);
    void runWithProgress(BusyState::Kind kind, const QString &title, TransferJob *job,
                         std::function<void(const TransferOutcome &)> ended);
    void showEnded(const QString &title, const TransferOutcome &outcome, const QString &doneText);

    Parts m_parts;
};

} // namespace corvex
