#pragma once

#include <QObject>

namespace corvex {

// What the main window is doing, which alone decides what the user can do in
// it: nothing (Idle), a transfer of some kind (Transferring), Read ALL asked
// to stop after its reagent (Stopping), or waiting for a transfer to end
// before the window closes (Closing).
class BusyState : public QObject
{
    Q_OBJECT

public:
    enum class Phase { Idle, Transferring, Stopping, Closing };
    enum class Kind { None, ReadProgram, SendProgram, ReadReagent, SendReagent, ReadAll, ServiceCommand, Backup, Restore, CompareRead };

    using QObject::QObject;

    Phase phase() const { return m_phase; }
    Kind kind() const { return m_kind; }
    bool isIdle() const { return m_phase == Phase::Idle; }

    // Idle to Transferring; false, changing nothing, when something runs.
    bool begin(Kind kind);
    // Transferring to Stopping.
    void stop();
    // Any busy phase to Closing.
    void close();
    // Back to Idle. True when the window is to close now.
    bool end();

    // Starting a transfer, editing, the menus and the list menus.
    bool allowsUserActions() const { return isIdle(); }
    // Stop, until it has been asked for once. A send always finishes, so
    // that the instrument is not left half-written.
    bool allowsStop() const
    {
        return m_phase == Phase::Transferring && m_kind != Kind::SendProgram && m_kind != Kind::SendReagent
            && m_kind != Kind::ServiceCommand;
    }
    // A reagent being renamed, and the wait before closing, lock the whole window.
    bool allowsWindow() const { return m_phase != Phase::Closing && m_kind != Kind::SendReagent; }
    // A read (and a backup, which then writes nothing) can be broken off when the
    // window closes: the instrument is left as it was. A send is finished so that
    // the instrument is not left half-written; a restore stops after the program
    // or reagent under way.
    bool breaksOffAtClose() const { return m_kind != Kind::SendProgram && m_kind != Kind::SendReagent; }

Q_SIGNALS:
    void changed();

private:
    void set(Phase phase, Kind kind);

    Phase m_phase = Phase::Idle;
    Kind m_kind = Kind::None;
};

} // namespace corvex
