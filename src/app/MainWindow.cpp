#include "MainWindow.h"

#include "AboutBox.h"
#include "DeviceConnection.h"
#include "ListTexts.h"
#include "LocalStore.h"
#include "PortTable.h"
#include "PrintDialog.h"
#include "ProgramEditor.h"
#include "ProgramFileCommands.h"
#include "ReagentEditor.h"
#include "RequirementsWindow.h"
#include "SerialLink.h"
#include "ServiceConsole.h"
#include "SettingsDialog.h"
#include "SpinBar.h"
#include "TransferJob.h"
#include "TransferLog.h"
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
    // Only while the tab control itself has the focus: keys that a control on
    // a tab leaves unused must not reach the service console.
    m_tabs->tabBar()->installEventFilter(this);
    setCentralWidget(m_tabs);
    buildMenus();

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabChanged);
    connect(&m_parts.connection, &DeviceConnection::connected, this, &MainWindow::showConnection);
    connect(&m_parts.connection, &DeviceConnection::notConnected, this, [this] { showConnection(0); });
    connect(&m_parts.connection, &DeviceConnection::connectionLost, this, [this] { showConnection(0); });
    connect(&m_busy, &BusyState::changed, this, &MainWindow::applyBusyState);

    connect(m_programs, &ProgramEditor::readProgramRequested, this, &MainWindow::readProgram);
    connect(m_programs, &ProgramEditor::sendProgramRequested, this, &MainWindow::sendProgram);
    connect(m_reagents, &ReagentEditor::readReagentRequested, this, &MainWindow::readReagent);
    connect(m_reagents, &ReagentEditor::readAllRequested, this, &MainWindow::readAllReagents);
    connect(m_reagents, &ReagentEditor::stopReadAllRequested, this, &MainWindow::stopReadAll);
    connect(m_reagents, &ReagentEditor::sendReagentRequested, this, &MainWindow::sendReagent);
    connect(m_programs, &ProgramEditor::unsentEditsChanged, this, &MainWindow::applyTransferState);
    connect(m_reagents, &ReagentEditor::unsentEditsChanged, this, &MainWindow::applyTransferState);

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
    add(m_fileMenu, "mnImport", tr("&Import Program..."), [this] { importProgram(this, m_parts.data, *m_programs); });
    add(m_fileMenu, "mnExport", tr("Export &Program..."), [this] { exportProgram(this, m_parts.data, *m_programs, m_parts.storePath); });
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnPrint", tr("P&rint..."), [this] { openPrint(); });
    m_fileMenu->addSeparator();
    auto *whole = new WholeInstrumentActions({this, m_parts.data, m_parts.storePath, m_parts.link, m_parts.connection,
                                              [this] { return m_programs->currentProgram(); },
                                              [this] {
                                                  m_programs->settleAll();
                                                  m_reagents->fillList();
                                                  m_programs->fillReagents();
                                                  m_programs->showProgram();
                                              },
                                              m_busy,
                                              [this](BusyState::Kind kind, const QString &title, TransferJob *job,
                                                     const std::function<void(const TransferOutcome &)> &ended) {
                                                  runJob(kind, title, job, ended);
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
    const auto connectionKnown = [this, waiting] {
        delete waiting;
        runLoadSteps(0);
    };
    connect(&m_parts.connection, &DeviceConnection::connected, waiting, connectionKnown);
    connect(&m_parts.connection, &DeviceConnection::notConnected, waiting, connectionKnown);
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

void MainWindow::showConnection(int port)
{
    m_title = connectionTitle(port);
    setLoggedPort(port == 0 ? QString() : portDescription(port, m_parts.link.port().deviceName()));
    applyTransferState();
}

void MainWindow::applyTransferState()
{
    const bool transfers = m_busy.allowsUserActions() && m_parts.connection.isConnected();
    for (QWidget *button : std::initializer_list<QWidget *>{m_programs->readButton(), m_programs->sendButton(),
                                                            m_reagents->readButton(), m_reagents->sendButton()})
        button->setEnabled(transfers);
    m_reagents->showReadAllButton(m_busy.kind() == BusyState::Kind::ReadAll ? ReagentEditor::ReadAllButton::Stop
                                                                           : ReagentEditor::ReadAllButton::Start);
    m_reagents->readAllButton()->setEnabled(transfers || m_busy.allowsStop());
    const QString title =
        m_busy.phase() == BusyState::Phase::Closing ? tr("Finishing the transfer before closing...") : m_title;
    // The title marks unsent edits only while there are some.
    if (hasUnsentEdits()) {
        setWindowTitle(title + QStringLiteral("[*]"));
        setWindowModified(true);
    } else {
        setWindowModified(false);
        setWindowTitle(title);
    }
}

bool MainWindow::hasUnsentEdits() const
{
    return !m_programs->unsentPrograms().isEmpty() || !m_reagents->unsentReagents().isEmpty();
}

void MainWindow::applyBusyState()
{
    const bool idle = m_busy.allowsUserActions();
    applyTransferState();
    m_reagents->setListMenuEnabled(idle);
    m_fileMenu->menuAction()->setEnabled(idle);
    m_helpMenu->menuAction()->setEnabled(idle);
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_programs->numberBox(), m_programs->numberSpin(), m_programs->okButton(), m_programs->copyButton(),
             m_programs->deleteButton(), m_programs->vialList(), m_programs->nameBox(), m_programs->typeBox()})
        control->setEnabled(idle);
    m_programs->pasteButton()->setEnabled(idle && m_programs->copiedProgram() >= 1);
    setEnabled(m_busy.allowsWindow());
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
    if (!m_busy.isIdle())
        return;
    auto *dialog = new SettingsDialog(m_parts.connection, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // OK starts a new connection attempt, which closes the port first: until
    // it answers the window says it is not connected.
    connect(dialog, &QDialog::accepted, this, [this] { showConnection(m_parts.connection.connectedPort()); });
    dialog->open();
}

void MainWindow::openPrint()
{
    PrintDialog::showModal(m_parts.data, m_programs->currentProgram(), this);
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
    if (!m_busy.isIdle())
        return;
    CommandReply *reply = sendServiceCommand(this, m_parts.link);
    if (!reply)
        return;
    m_serviceReply = reply;
    m_busy.begin(BusyState::Kind::ServiceCommand);
    connect(reply, &CommandReply::finished, this, [this, reply] {
        reply->deleteLater();
        m_busy.end();
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
    // Asked without a nested event loop: a transfer under way goes on meanwhile.
    if (!m_closeConfirmed && hasUnsentEdits() && m_busy.phase() != BusyState::Phase::Closing) {
        event->ignore();
        askBeforeClosing();
        return;
    }
    if (!m_busy.isIdle()) {
        // The window stays, disabled, until the transfer has ended; it closes then.
        event->ignore();
        if (m_busy.phase() == BusyState::Phase::Closing)
            return;
        const bool breakOff = m_busy.breaksOffAtClose();
        m_busy.close();
        if (m_serviceReply) {
            m_serviceReply->abort();
            m_serviceReply->deleteLater();
            m_busy.end();
            // Not from inside this close event, which would not close again.
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        } else if (breakOff && m_job) {
            m_job->stop();
        }
        return;
    }
    savePlacement(this);
    m_parts.connection.closePort();
    event->accept();
    emit closed();
}

} // namespace corvex
