#include "app/MainWindow.h"

#include "app/ProgramFileCommands.h"
#include "app/ServiceConsole.h"
#include "app/WindowPlacement.h"
#include "editor/ProgramEditor.h"
#include "editor/ReagentEditor.h"
#include "editor/SpinBar.h"
#include "link/DeviceConnection.h"
#include "link/dialog/SettingsDialog.h"
#include "model/LocalStore.h"
#include "print/frmPrint.h"
#include "ui/AboutBox.h"
#include "ui/RequirementsWindow.h"
#include "ui/Twips.h"

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

namespace {

// The window as designed, before it is placed on the screen.
constexpr QSize DesignedSizeTwips(9900, 10350);

} // namespace

MainWindow::MainWindow(Parts parts, QWidget *parent)
    : QMainWindow(parent)
    , m_parts(parts)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Varnel Corvex"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_programs = new ProgramEditor(m_parts.data, m_tabs);
    m_reagents = new ReagentEditor(m_parts.data, m_tabs);
    m_tabs->addTab(m_programs, QStringLiteral("Programs"));
    m_tabs->addTab(m_reagents, QStringLiteral("Reagents"));
    // Only while the tab control itself has the focus: keys that a control on
    // a tab leaves unused must not reach the service console.
    m_tabs->tabBar()->installEventFilter(this);
    setCentralWidget(m_tabs);
    buildMenus();

    connect(m_tabs, &QTabWidget::currentChanged, this, &MainWindow::tabChanged);
    connect(&m_parts.connection, &DeviceConnection::connected, this, &MainWindow::showConnection);
    connect(&m_parts.connection, &DeviceConnection::notConnected, this, [this] { showConnection(0); });

    connect(m_programs, &ProgramEditor::readProgramRequested, this, &MainWindow::readProgram);
    connect(m_programs, &ProgramEditor::sendProgramRequested, this, &MainWindow::sendProgram);
    connect(m_reagents, &ReagentEditor::readReagentRequested, this, &MainWindow::readReagent);
    connect(m_reagents, &ReagentEditor::readAllRequested, this, &MainWindow::readAllReagents);
    connect(m_reagents, &ReagentEditor::stopReadAllRequested, this, [this] { m_stopReadAll = true; });
    connect(m_reagents, &ReagentEditor::sendReagentRequested, this, &MainWindow::sendReagent);

    resize(TwipsToPixels(DesignedSizeTwips, this).expandedTo(minimumSizeHint()));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnFile"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("mnFile"));
    const auto add = [](QMenu *menu, const char *name, const QString &caption, auto slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, slot);
        return action;
    };
    add(m_fileMenu, "mnImport", QStringLiteral("&Import Program..."), [this] { ImportProgram(this, m_parts.data, *m_programs); });
    add(m_fileMenu, "mnExport", QStringLiteral("Export &Program..."), [this] { ExportProgram(this, m_parts.data, *m_programs, m_parts.storePath); });
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnPrint", QStringLiteral("P&rint..."), [this] { openPrint(); });
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnSettings", QStringLiteral("&Settings..."), [this] { openSettings(); });
    m_fileMenu->addSeparator();
    add(m_fileMenu, "mnExit", QStringLiteral("&Exit"), [this] { close(); });

    m_helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    m_helpMenu->setObjectName(QStringLiteral("mnHelp"));
    m_helpMenu->menuAction()->setObjectName(QStringLiteral("mnHelp"));
    add(m_helpMenu, "mnRequirements", QStringLiteral("System Requirements..."), [this] { openRequirements(); });
    m_helpMenu->addSeparator();
    add(m_helpMenu, "mnAbout", QStringLiteral("&About..."), [this] { ShowAboutBox(this); });
}

void MainWindow::load(const std::function<void()> &step)
{
    const auto advance = [&step] {
        if (step)
            step();
    };
    PlaceFromSettings(this);
    m_parts.connection.ConnectDevice();
    advance();
    m_programs->fillAgitation();
    advance();
    loadStore();
    advance();
    m_programs->fillTypes();
    advance();
    m_programs->showProgram();
    m_reagents->showNumberToRead();
    advance();
}

void MainWindow::loadStore()
{
    const StoreResult loaded = LoadStore(m_parts.storePath, m_parts.data);
    m_reagents->fillList();
    m_programs->fillReagents();
    m_reagents->selectReagent(1);
    if (!loaded)
        QMessageBox::warning(this, QStringLiteral("Varnel Corvex"), loaded.error);
}

void MainWindow::showConnection(int port)
{
    setWindowTitle(ConnectionTitle(port));
    setTransferButtonsEnabled(port != 0);
}

void MainWindow::setTransferButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {m_programs->readButton(), m_programs->sendButton(), m_reagents->readAllButton(),
                                m_reagents->readButton(), m_reagents->sendButton()})
        button->setEnabled(enabled);
}

void MainWindow::EnableControls(bool enabled)
{
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_reagents->readAllButton(), m_reagents->readButton(), m_reagents->sendButton()})
        control->setEnabled(enabled);
    m_fileMenu->menuAction()->setEnabled(enabled);
    m_helpMenu->menuAction()->setEnabled(enabled);
    for (QWidget *control : std::initializer_list<QWidget *>{
             m_programs->numberBox(), m_programs->numberSpin(), m_programs->sendButton(), m_programs->okButton(),
             m_programs->readButton(), m_programs->copyButton(), m_programs->deleteButton(), m_programs->vialList(),
             m_programs->nameBox(), m_programs->typeBox()})
        control->setEnabled(enabled);
    if (m_programs->copiedProgram() >= 1)
        m_programs->pasteButton()->setEnabled(enabled);
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
    SettingsDialog dialog(m_parts.connection, this);
    dialog.exec();
}

void MainWindow::openPrint()
{
    frmPrint::ShowModal(m_parts.data, m_programs->currentProgram(), this);
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
    RunServiceConsole(this, m_parts.link);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    // The frame exists only now; the window manager may add it a little later.
    QTimer::singleShot(0, this, [this] { KeepOnScreen(this); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    SavePlacement(this);
    if (m_transferRunning) {
        // The transfer unwinds first (Read ALL stops after its reagent);
        // the window closes as soon as it has.
        m_closeAfterTransfer = true;
        m_stopReadAll = true;
        hide();
        event->ignore();
        return;
    }
    m_parts.connection.ClosePort();
    event->accept();
    emit closed();
}
