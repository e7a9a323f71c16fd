#pragma once

#include "BusyState.h"
#include "InstrumentData.h"

#include <QMainWindow>
#include <QPointer>

class QMenu;
class QMessageBox;
class QTabWidget;

namespace corvex {

class CommandReply;
class DeviceConnection;
class JobRunner;
class PrintSession;
class ProgramEditor;
class ReagentEditor;
class SerialLink;
class TransferJob;
struct TransferOutcome;

// frmMain: the two editor tabs, the menus, the transfers run from the tabs'
// buttons, and the window's place on the screen.
//
// Everything it works on is handed over by its creator: the instrument data,
// the path of the local store, and the link with its connection. main()
// wires the real ones; tests wire a simulator.
//
// Transfers run as jobs of its JobRunner while the window goes on with its
// event loop; the runner's one BusyState decides meanwhile what can be used.
// Closing the window during a transfer keeps it visible and disabled until
// the transfer has ended: a read is broken off, a send finishes, Read ALL
// stops after its reagent.
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
    };

    explicit MainWindow(Parts parts, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The load handler: places the window, connects to the instrument and
    // loads the local store, each step from the event loop;
    // loadStepDone() follows each of its five steps, then loaded().
    void load();

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
    void showConnection();
    // Everything the busy state and the connection decide: the editors'
    // transfers and editing, the menus, the window and its title.
    void applyBusyState();
    void tabChanged(int index);
    bool hasUnsentEdits() const;
    // Asks whether to close with unsent edits; Yes closes.
    void askBeforeClosing();

    void openSettings();
    void openPrint();
    void openRequirements();
    void runServiceConsole();

    // Transfers (MainWindowTransfers.cpp). Each tab's job shows its
    // progress and retries on its tab and says there how it ended.
    void jobFinished(BusyState::Kind kind, const TransferOutcome &outcome, bool closing);
    void readProgram();
    void startReadProgram(int n);
    void sendProgram();
    void startSendProgram(int n);
    void runProgramJob(BusyState::Kind kind, TransferJob *job, const QString &what);
    void readReagent();
    void readAllReagents();
    void sendReagent(int number, const QByteArray &storedName);
    // Clears what the last job said on both tabs.
    void clearEndedTexts();
    QMessageBox *showFailure(const QString &title, const TransferOutcome &outcome);
    void showRetrying(int attempt, int attempts);

    Parts m_parts;
    JobRunner *m_runner = nullptr;
    PrintSession *m_print = nullptr;
    QPointer<CommandReply> m_serviceReply;
    // The title of the connection state, or "ERROR!" after a failed reagent read.
    QString m_title;
    QTabWidget *m_tabs = nullptr;
    ProgramEditor *m_programs = nullptr;
    ReagentEditor *m_reagents = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    int m_lastTab = 0;
    QPointer<QWidget> m_focusBeforeBusy;

    bool m_shownBefore = false;
    bool m_closeConfirmed = false;
    QPointer<QMessageBox> m_closeQuestion;
};

} // namespace corvex
