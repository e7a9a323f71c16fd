// The transfer buttons of both tabs: each runs one transfer to its end, with
// the controls disabled and the progress shown, and tells the user when it
// failed.
#include "app/MainWindow.h"

#include "editor/ProgramEditor.h"
#include "editor/ReagentEditor.h"
#include "model/ListTexts.h"
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

} // namespace

void MainWindow::runTransfer(TransferLock lock, const QString &title, const std::function<TransferOutcome()> &transfer)
{
    if (m_transferRunning)
        return;
    m_transferRunning = true;
    const auto enable = [this, lock](bool enabled) {
        if (lock == TransferLock::WholeWindow)
            setEnabled(enabled);
        else
            EnableControls(enabled);
    };
    enable(false);
    const TransferOutcome outcome = transfer();
    enable(true);
    if (!outcome.transferred() && !m_closeAfterTransfer) {
        const QMessageBox::Icon icon =
            outcome.status == TransferOutcome::Status::DeviceFailed ? QMessageBox::Critical : QMessageBox::Warning;
        QMessageBox box(icon, title, outcome.message, QMessageBox::Ok, this);
        box.exec();
    }
    m_transferRunning = false;
    if (m_closeAfterTransfer)
        close();
}

void MainWindow::readProgram()
{
    runTransfer(TransferLock::Controls, QStringLiteral("Read from Corvex"), [this] {
        const int n = m_programs->currentProgram();
        m_programs->numberBox()->setText(QString::number(n));
        return programTransfer(&DeviceTransfers::ReadProgram, n);
    });
}

void MainWindow::sendProgram()
{
    runTransfer(TransferLock::Controls, QStringLiteral("Send to Corvex"), [this] {
        QMessageBox question(QMessageBox::NoIcon, QStringLiteral("Send Program to Corvex"),
                             ProgramNumberLabel(m_programs->currentProgram())
                                 + QStringLiteral(", which is stored on the Corvex, will be overwritten. Are you sure?"),
                             QMessageBox::Yes | QMessageBox::No, this);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return TransferOutcome();
        return programTransfer(&DeviceTransfers::SendProgram, m_programs->currentProgram());
    });
}

TransferOutcome MainWindow::programTransfer(TransferOutcome (DeviceTransfers::*transfer)(int, TransferObserver &), int n)
{
    ProgramProgress progress(*m_programs);
    const TransferOutcome outcome = (m_parts.transfers.*transfer)(n, progress);
    m_programs->showProgram();
    m_programs->resetProgress();
    return outcome;
}

void MainWindow::readReagent()
{
    runTransfer(TransferLock::Controls, QStringLiteral("Read from Corvex"), [this] {
        const int r = m_reagents->numberToRead();
        m_reagents->setNumberToRead(r);
        const TransferOutcome outcome = m_parts.transfers.ReadReagent(r);
        if (outcome.transferred())
            m_reagents->refreshLine(r);
        else
            setWindowTitle(QStringLiteral("ERROR!"));
        return outcome;
    });
}

void MainWindow::readAllReagents()
{
    runTransfer(TransferLock::Controls, QStringLiteral("Read ALL from Corvex"), [this] {
        m_reagents->setReadAllRunning(true);
        m_reagents->readAllButton()->setEnabled(true);
        m_stopReadAll = false;
        ReadAllProgress progress(*m_reagents, m_stopReadAll);
        const TransferOutcome outcome = m_parts.transfers.ReadAllReagents(progress);
        if (!outcome.transferred() && outcome.status != TransferOutcome::Status::StoreFailed)
            setWindowTitle(QStringLiteral("ERROR!"));
        m_reagents->setReadAllRunning(false);
        m_reagents->resetReadAllProgress();
        return outcome;
    });
}

void MainWindow::sendReagent(int number, const QByteArray &storedName)
{
    if (!ReagentTable::isValidNumber(number))
        return;
    runTransfer(TransferLock::WholeWindow, QStringLiteral("Send reagent"), [this, number, &storedName] {
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
        return outcome;
    });
}
