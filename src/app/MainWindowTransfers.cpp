// The transfer buttons of both tabs: each runs one transfer to its end, with
// the controls disabled and the progress shown, and tells the user when it
// failed.
#include "app/MainWindow.h"

#include "editor/ProgramEditor.h"
#include "editor/ReagentEditor.h"
#include "transfer/DeviceTransfers.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

class ProgramProgress : public TransferObserver
{
public:
    explicit ProgramProgress(ProgramEditor &editor)
        : m_editor(editor)
    {
    }
    void setMaximum(int maximum) override { m_editor.setProgressMaximum(maximum); }
    void stepDone() override { m_editor.stepProgress(); }

private:
    ProgramEditor &m_editor;
};

class ReadAllProgress : public TransferObserver
{
public:
    ReadAllProgress(ReagentEditor &editor, const bool &stop)
        : m_editor(editor)
        , m_stop(stop)
    {
    }
    void reagentDone(int reagent) override
    {
        m_editor.refreshLine(reagent);
        m_editor.setReadAllProgress(reagent);
        QCoreApplication::processEvents();
    }
    bool stopRequested() override { return m_stop; }

private:
    ReagentEditor &m_editor;
    const bool &m_stop;
};

QString TwoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

void MainWindow::reportFailure(const QString &title, const TransferOutcome &outcome)
{
    if (outcome.transferred() || m_closeAfterTransfer)
        return;
    const QMessageBox::Icon icon =
        outcome.status == TransferOutcome::Status::DeviceFailed ? QMessageBox::Critical : QMessageBox::Warning;
    QMessageBox box(icon, title, outcome.message, QMessageBox::Ok, this);
    box.exec();
}

void MainWindow::transferFinished()
{
    m_transferRunning = false;
    if (m_closeAfterTransfer)
        close();
}

void MainWindow::readProgram()
{
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    EnableControls(false);
    const int n = m_programs->currentProgram();
    m_programs->numberBox()->setText(QString::number(n));
    ProgramProgress progress(*m_programs);
    const TransferOutcome outcome = m_parts.transfers.ReadProgram(n, progress);
    m_programs->showProgram();
    m_programs->resetProgress();
    reportFailure(QStringLiteral("Read from Corvex"), outcome);
    EnableControls(true);
    transferFinished();
}

void MainWindow::sendProgram()
{
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    EnableControls(false);
    const int n = m_programs->currentProgram();
    QMessageBox question(QMessageBox::NoIcon, QStringLiteral("Send Program to Corvex"),
                         QStringLiteral("Program") + TwoDigits(n)
                             + QStringLiteral(", which is stored on the Corvex, will be overwritten. Are you sure?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() == QMessageBox::Yes) {
        ProgramProgress progress(*m_programs);
        const TransferOutcome outcome = m_parts.transfers.SendProgram(m_programs->currentProgram(), progress);
        m_programs->showProgram();
        m_programs->resetProgress();
        reportFailure(QStringLiteral("Send to Corvex"), outcome);
    }
    EnableControls(true);
    transferFinished();
}

void MainWindow::readReagent()
{
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    EnableControls(false);
    const int r = m_reagents->numberToRead();
    m_reagents->setNumberToRead(r);
    const TransferOutcome outcome = m_parts.transfers.ReadReagent(r);
    if (outcome.transferred()) {
        m_reagents->refreshLine(r);
    } else {
        setWindowTitle(QStringLiteral("ERROR!"));
        reportFailure(QStringLiteral("Read from Corvex"), outcome);
    }
    EnableControls(true);
    transferFinished();
}

void MainWindow::readAllReagents()
{
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    m_reagents->setReadAllRunning(true);
    EnableControls(false);
    m_reagents->readAllButton()->setEnabled(true);
    m_stopReadAll = false;
    ReadAllProgress progress(*m_reagents, m_stopReadAll);
    const TransferOutcome outcome = m_parts.transfers.ReadAllReagents(progress);
    if (!outcome.transferred() && outcome.status != TransferOutcome::Status::StoreFailed)
        setWindowTitle(QStringLiteral("ERROR!"));
    m_reagents->setReadAllRunning(false);
    EnableControls(true);
    m_reagents->resetReadAllProgress();
    reportFailure(QStringLiteral("Read ALL from Corvex"), outcome);
    transferFinished();
}

void MainWindow::sendReagent(int number, const QByteArray &storedName)
{
    if (m_transferRunning || !ReagentTable::isValidNumber(number))
        return;
    m_transferRunning = true;
    setEnabled(false);
    const QByteArray previous = m_parts.data.reagents[number];
    m_parts.data.reagents[number] = storedName;
    const TransferOutcome outcome = m_parts.transfers.SendReagent(number);
    if (outcome.status == TransferOutcome::Status::DeviceFailed || outcome.status == TransferOutcome::Status::Refused) {
        // The table keeps showing what the instrument and the store hold; the
        // typed name stays in the name box to be sent again.
        m_parts.data.reagents[number] = previous;
    } else {
        m_reagents->refreshLine(number);
    }
    setEnabled(true);
    reportFailure(QStringLiteral("Send reagent"), outcome);
    transferFinished();
}
