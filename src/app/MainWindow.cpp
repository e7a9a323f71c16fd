#include "MainWindow.h"

#include "AboutBox.h"
#include "DeviceConnection.h"
#include "JobRunner.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "PortTable.h"
#include "PrintSession.h"
#include "ProgramEditor.h"
#include "ProgramFileCommands.h"
#include "ReagentEditor.h"
#include "RequirementsWindow.h"
#include "SerialLink.h"
#include "ServiceConsole.h"
#include "SettingsDialog.h"
#include "SpinBar.h"
#include "TransferJob.h"
#include "UnsentEdits.h"
#include "Twips.h"
#include "WholeInstrumentActions.h"
#include "WindowPlacement.h"
#include "WindowTitle.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace corvex {

namespace {

// The window as designed, before it is placed on the screen.
constexpr QSize designedSizeTwips(9900, 10350);


} // namespace

MainWindow::MainWindow(Parts parts, QWidget *parent)
    : QMainWindow(parent)
    , m_parts(parts)
    , m_runner(new JobRunner(parts.link, parts.connection, parts.data, parts.storePath, this))
    , m_print(new PrintSession(m_runner->log(), this))
{
    setObjectName(QStringLiteral("frmMain"));
    m_title = utilityTitle();
    setWindowTitle(m_title);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_programs = new ProgramEditor(m_parts.data, m_tabs);
    m_reagents = new ReagentEditor(m_parts.data, m_tabs);
    m_tabs->addTab(m_programs, tr("Programs"));
    m_tabs->addTab(m_reagents, tr("Reagents"));
    m_tabs->setAccessibleName(tr("Programs and reagents"));
    m_tabs->tabBar()->setAccessibleName(tr("Tabs"));
    // Only while the tab control itself has the focus: keys that a control on
    // a tab leaves unused must not reach the service console.
    m_tabs->tabBar()->installEventFilter(this);
    setCentralWidget(m_tabs);
    buildMenus();

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabChanged);
    connect(&m_parts.connection, &DeviceConnection::stateChanged, this, &MainWindow::showConnection);
    connect(&m_runner->busy(), &BusyState::changed, this, &MainWindow::applyBusyState);
    connect(m_runner, &JobRunner::finished, this, &MainWindow::jobFinished);

    connect(m_programs, &ProgramEditor::readProgramRequested, this, &MainWindow::readProgram);
    connect(m_programs, &ProgramEditor::sendProgramRequested, this, &MainWindow::sendProgram);
    connect(m_programs, &ProgramEditor::stopRequested, m_runner, &JobRunner::stop);
    connect(m_reagents, &ReagentEditor::readReagentRequested, this, &MainWindow::readReagent);
    connect(m_reagents, &ReagentEditor::readAllRequested, this, &MainWindow::readAllReagents);
    connect(m_reagents, &ReagentEditor::stopRequested, m_runner, &JobRunner::stop);
    connect(m_reagents, &ReagentEditor::sendReagentRequested, this, &MainWindow::sendReagent);
    connect(m_programs, &ProgramEditor::unsentEditsChanged, this, &MainWindow::applyBusyState);
    connect(m_reagents, &ReagentEditor::unsentEditsChanged, this, &MainWindow::applyBusyState);
    applyBusyState();

    resize(twipsToPixels(designedSizeTwips, this).expandedTo(minimumSizeHint()));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnFile"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("mnFile"));
    const auto add = [](QMenu *menu, const char *name, const QString &caption, auto slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, slot);
        return action;
    };
    add(m_fileMenu, "mnImport", tr("&Import Program..."), [this] { importProgram(this, m_parts.data, *m_programs, m_runner->log()); });
    add(m_fileMenu, "mnExport", tr("Export &Program..."), [this] {
        exportProgram(this, m_parts.data, *m_programs, m_parts.storePath, m_runner->log());
    });
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnPrint", tr("P&rint..."), [this] { openPrint(); });
    m_fileMenu->addSeparator();
    auto *whole = new WholeInstrumentActions({this, m_parts.data, m_parts.storePath, *m_runner,
                                              [this] { return m_programs->currentProgram(); },
                                              [this] {
                                                  m_programs->settleAll();
                                                  m_reagents->fillList();
                                                  m_programs->fillReagents();
                                                  m_programs->showProgram();
                                              }},
                                             this);
    whole->addTo(m_fileMenu);
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnSettings", tr("&Settings..."), [this] { openSettings(); });
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnExit", tr("&Exit"), [this] { close(); });

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnHelp"));
    m_helpMenu->menuAction()->setObjectName(QStringLiteral("mnHelp"));
    add(m_helpMenu, "mnRequirements", tr("System Requirements..."), [this] { openRequirements(); });
    m_helpMenu->addSeparator();
    add(m_helpMenu, "mnAbout", tr("&About..."), [this] { showAboutBox(this); });
}

void MainWindow::load()
{
    placeFromSettings(this);
    // Start-up goes on whether or not the instrument answers.
    auto *waiting = new QObject(this);
    connect(&m_parts.connection, &DeviceConnection::stateChanged, waiting, [this, waiting](DeviceConnection::State state) {
        if (state == DeviceConnection::State::Searching)
            return;
        delete waiting;
        runLoadSteps(0);
    });
    m_parts.connection.connectDevice();
}

void MainWindow::runLoadSteps(int step)
{
    switch (step) {
    case 0:
        break;
    case 1:
        m_programs->fillAgitation();
        break;
    case 2:
        loadStore();
        break;
    case 3:
        m_programs->fillTypes();
        break;
    default:
        m_programs->showProgram();
        m_reagents->showNumberToRead();
        emit loadStepDone();
        emit loaded();
        return;
    }
    emit loadStepDone();
    // Each step from the event loop, so that the start-up window shows its progress.
    QMetaObject::invokeMethod(this, [this, step] { runLoadSteps(step + 1); }, Qt::QueuedConnection);
}

void MainWindow::loadStore()
{
    const StoreResult loaded = corvex::loadStore(m_parts.storePath, m_parts.data);
    m_reagents->fillList();
    m_programs->fillReagents();
    m_reagents->selectReagent(1);
    if (!loaded)
        QMessageBox::warning(this, utilityTitle(), loaded.error);
}

void MainWindow::showConnection()
{
    // While searching the port is closed: not connected.
    m_title = connectionTitle(m_parts.connection.connectedPort());
    applyBusyState();
}

bool MainWindow::hasUnsentEdits() const
{
    return !m_programs->unsentPrograms().isEmpty() || !m_reagents->unsentReagents().isEmpty();
}

void MainWindow::applyBusyState()
{
    const BusyState &busy = m_runner->busy();
    const bool idle = busy.allowsUserActions();
    if (!idle && !m_focusBeforeBusy)
        m_focusBeforeBusy = focusWidget();
    const bool canStart = idle && m_parts.connection.isConnected();
    const BusyState::Kind kind = busy.kind();
    m_programs->setEditingEnabled(idle);
    m_reagents->setEditingEnabled(idle);
    m_programs->setTransferState(canStart,
                                 kind == BusyState::Kind::ReadProgram   ? ProgramEditor::Transfer::Read
                                 : kind == BusyState::Kind::SendProgram ? ProgramEditor::Transfer::Send
                                                                        : ProgramEditor::Transfer::None,
                                 busy.allowsStop());
    m_reagents->setTransferState(canStart,
                                 kind == BusyState::Kind::ReadReagent   ? ReagentEditor::Transfer::Read
                                 : kind == BusyState::Kind::ReadAll     ? ReagentEditor::Transfer::ReadAll
                                 : kind == BusyState::Kind::SendReagent ? ReagentEditor::Transfer::Send
                                                                        : ReagentEditor::Transfer::None,
                                 busy.allowsStop());
    m_fileMenu->menuAction()->setEnabled(idle);
    m_helpMenu->menuAction()->setEnabled(idle);
    setEnabled(busy.allowsWindow());
    if (idle && m_focusBeforeBusy) {
        if (m_focusBeforeBusy->isVisible() && m_focusBeforeBusy->isEnabled())
            m_focusBeforeBusy->setFocus(Qt::OtherFocusReason);
        m_focusBeforeBusy = nullptr;
    }
    const QString title = busy.phase() == BusyState::Phase::Closing ? tr("Finishing the transfer before closing...") : m_title;
    // The title marks unsent edits only while there are some.
    if (hasUnsentEdits()) {
        setWindowTitle(title + QStringLiteral("[*]"));
        setWindowModified(true);
    } else {
        setWindowModified(false);
        setWindowTitle(title);
    }
}

void MainWindow::tabChanged(int index)
{
    const int left = m_lastTab;
    m_lastTab = index;
    if (left == 1)
        m_programs->reagentsRenamed();
}

void MainWindow::openSettings()
{
    if (!m_runner->busy().isIdle())
        return;
    auto *dialog = new SettingsDialog(m_parts.connection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::openPrint()
{
    m_print->showModal(m_parts.data, m_programs->currentProgram(), this);
}

void MainWindow::openRequirements()
{
    RequirementsWindow window(this);
    window.exec();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tabs->tabBar() && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_S && modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
            runServiceConsole();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::runServiceConsole()
{
    BusyState &busy = m_runner->busy();
    if (!busy.isIdle())
        return;
    CommandReply *reply = sendServiceCommand(this, m_parts.link);
    if (!reply)
        return;
    m_serviceReply = reply;
    busy.begin(BusyState::Kind::ServiceCommand);
    connect(reply, &CommandReply::finished, this, [this, reply] {
        reply->deleteLater();
        m_runner->busy().end();
        showServiceResponse(this, *reply);
    });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // The frame exists only now; the window manager may add it a little later.
    QTimer::singleShot(0, this, [this] { keepOnScreen(this); });
}

void MainWindow::askBeforeClosing()
{
    if (m_closeQuestion)
        return;
    m_closeQuestion = new QMessageBox(
        QMessageBox::Question, utilityTitle(),
        closeWithUnsentEditsQuestion(m_programs->unsentPrograms(), m_reagents->unsentReagents()),
        QMessageBox::Yes | QMessageBox::No, this);
    m_closeQuestion->setDefaultButton(QMessageBox::No);
    m_closeQuestion->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_closeQuestion, &QMessageBox::finished, this, [this, question = m_closeQuestion] {
        if (question->clickedButton() != question->button(QMessageBox::Yes))
            return;
        m_closeConfirmed = true;
        // Not from inside the question's own signal.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
    m_closeQuestion->open();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    BusyState &busy = m_runner->busy();
    // Asked without a nested event loop: a transfer under way goes on meanwhile.
    if (!m_closeConfirmed && hasUnsentEdits() && busy.phase() != BusyState::Phase::Closing) {
        event->ignore();
        askBeforeClosing();
        return;
    }
    if (!busy.isIdle()) {
        // The window stays, disabled, until the transfer has ended; it closes then.
        event->ignore();
        if (m_serviceReply && busy.phase() != BusyState::Phase::Closing) {
            busy.close();
            m_serviceReply->abort();
            m_serviceReply->deleteLater();
            busy.end();
            // Not from inside this close event, which would not close again.
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        } else {
            m_runner->close();
        }
        return;
    }
    savePlacement(this);
    m_parts.connection.closePort();
    event->accept();
    emit closed();
}

} // namespace corvex
