#pragma once

#include "BusyState.h"
#include "InstrumentData.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
class QMenu;
class QMessageBox;
class QTabWidget;

namespace corvex {

class CommandReply;
class DeviceConnection;
class DeviceTransfers;
class ProgramEditor;
class ReagentEditor;
class SerialLink;
class TransferJob;
struct TransferOutcome;

// frmMain: the two editor tabs, the menus, the transfers run from the tabs'
// buttons, and the window's place on the screen.
//
// Everything it works on is handed over by its creator: the instrument data,
// the path of the local store, the link with its connection, and the
// transfers. main() wires the real ones; tests wire a simulator.
//
// Transfers run as jobs while the window goes on with its event loop; the
// one BusyState decides meanwhile what can be used. Closing the window during
// a transfer keeps it visible and disabled until the transfer has ended: a
// read is broken off, a send finishes, Read ALL stops after its reagent.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    struct Parts
    {
        InstrumentData &data;
        QString storePath;
        SerialLink &link;
        DeviceConnection &connection;
        DeviceTransfers &transfers;
    };

    explicit MainWindow(Parts parts, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load handler: places the window, connects to the instrument and
    // loads the local store, each step from the event loop;
    // loadStepDone() follows each of its five steps, then loaded().
    void load();

    ProgramEditor *programEditor() const { return m_programs; }
    ReagentEditor *reagentEditor() const { return m_reagents; }

signals:
    void loadStepDone();
    void loaded();
    // The window has been closed: its position is saved and the port closed.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void runLoadSteps(int step);
    void loadStore();
    void showConnection(int port);
    // The transfer buttons and the title, from the busy state and the connection.
    void applyTransferState();
    // Everything the busy state decides: the above, editing, menus, the window.
    void applyBusyState();
    void tabChanged(int index);
    bool hasUnsentEdits() const;
    // Asks whether to close with unsent edits; Yes closes.
    void askBeforeClosing();

    void openSettings();
    void openPrint();
    void openRequirements();
    void runServiceConsole();

    // Transfers (MainWindowTransfers.cpp).
    // Starts `job` in the busy state `kind`; when it has finished, `ended`
    // tidies up, the window becomes idle again and a failure is shown under
    // `title` (or the window closes, when that was asked for meanwhile).
    void runJob(BusyState::Kind kind, const QString &title, TransferJob *job,
                const std::function<void(const TransferOutcome &)> &ended);
    void jobFinished(const QString &title, const TransferOutcome &outcome);
    void readProgram();
    void startReadProgram(int n);
    void sendProgram();
    void startSendProgram(int n);
    void runProgramJob(BusyState::Kind kind, const QString &title, TransferJob *job);
    void readReagent();
    void readAllReagents();
    void stopReadAll();
    void sendReagent(int number, const QByteArray &storedName);
    QMessageBox *showFailure(const QString &title, const TransferOutcome &outcome);
    void showRetrying(int attempt, int attempts);

    Parts m_parts;
    BusyState m_busy;
    QPointer<TransferJob> m_job;
    QPointer<CommandReply> m_serviceReply;
    // The title of the connection state, or "ERROR!" after a failed reagent read.
    QString m_title;
    QTabWidget *m_tabs = nullptr;
    ProgramEditor *m_programs = nullptr;
    ReagentEditor *m_reagents = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    int m_lastTab = 0;

    bool m_shownBefore = false;
    bool m_closeConfirmed = false;
    QPointer<QMessageBox> m_closeQuestion;
};

} // namespace corvex
