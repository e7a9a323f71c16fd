#pragma once

#include "model/InstrumentData.h"

#include <QMainWindow>

#include <functional>

class DeviceConnection;
class DeviceTransfers;
class ProgramEditor;
class QMenu;
class QTabWidget;
class ReagentEditor;
class SerialLink;
class TransferObserver;
struct TransferOutcome;

// frmMain: the two editor tabs, the menus, the transfers run from the tabs'
// buttons, and the window's place on the screen.
//
// Everything it works on is handed over by its creator: the instrument data,
// the path of the local store, the link with its connection, and the
// transfers. main() wires the real ones; tests wire a simulator.
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
    // loads the local store; `step` is called after each of its five steps.
    void load(const std::function<void()> &step = {});

    // Disables (false) or enables again the controls that a transfer must
    // keep the user from: transfer buttons, menus, program editing.
    void EnableControls(bool enabled);

    ProgramEditor *programEditor() const { return m_programs; }
    ReagentEditor *reagentEditor() const { return m_reagents; }
    bool transferRunning() const { return m_transferRunning; }

signals:
    // The window has been closed: its position is saved and the port closed.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void loadStore();
    void showConnection(int port);
    void setTransferButtonsEnabled(bool enabled);
    void tabChanged(int index);

    void openSettings();
    void openPrint();
    void openRequirements();
    void runServiceConsole();

    // Transfers (MainWindowTransfers.cpp).
    enum class TransferLock { Controls, WholeWindow };
    // Runs one transfer to its end with the controls of EnableControls, or
    // the whole window, disabled meanwhile, and shows a failure under
    // `title`. A transfer asked for while another runs is ignored; a close
    // asked for meanwhile follows it.
    void runTransfer(TransferLock lock, const QString &title, const std::function<TransferOutcome()> &transfer);
    TransferOutcome programTransfer(TransferOutcome (DeviceTransfers::*transfer)(int, TransferObserver &), int n);
    void readProgram();
    void sendProgram();
    void readReagent();
    void readAllReagents();
    void sendReagent(int number, const QByteArray &storedName);

    Parts m_parts;
    QTabWidget *m_tabs = nullptr;
    ProgramEditor *m_programs = nullptr;
    ReagentEditor *m_reagents = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    int m_lastTab = 0;

    bool m_transferRunning = false;
    bool m_stopReadAll = false;
    bool m_closeAfterTransfer = false;
    bool m_shownBefore = false;
};
