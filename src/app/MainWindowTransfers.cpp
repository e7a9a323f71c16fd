// The transfer buttons of both tabs: each starts one transfer job, shows its
// progress and retries, and tells the user when it failed.
#include "MainWindow.h"

#include "ConnectionFrame.h"
#include "DeviceConnection.h"
#include "DeviceTransfers.h"
#include "ListTexts.h"
#include "ProgramEditor.h"
#include "Progress.h"
#include "ReagentEditor.h"
#include "UnsentEdits.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace corvex {

using Kind = BusyState::Kind;

void MainWindow::runJob(Kind kind, const QString &title, TransferJob *job,
                        const std::function<void(const TransferOutcome &)> &ended)
{
    m_job = job;
    connect(job, &TransferJob::retrying, this, &MainWindow::showRetrying);
    connect(job, &TransferJob::finished, this, [this, job, title, ended](const TransferOutcome &outcome) {
        job->deleteLater();
        ended(outcome);
        jobFinished(title, outcome);
    });
    m_busy.begin(kind);
    job->start();
}

void MainWindow::jobFinished(const QString &title, const TransferOutcome &outcome)
{
    const Kind kind = m_busy.kind();
    const bool closing = m_busy.end();
    if (kind == Kind::SendReagent && !closing)
        m_reagents->focusNameBox(); // the window was disabled meanwhile, which took the focus away
    if (!outcome.transferred()) {
        // Also when the window is closing: what failed is never hidden.
        QMessageBox *box = showFailure(title, outcome);
        if (closing)
            connect(box, &QMessageBox::finished, this, &QWidget::close);
        return;
    }
    if (closing)
        close();
}

QMessageBox *MainWindow::showFailure(const QString &title, const TransferOutcome &outcome)
{
    const QMessageBox::Icon icon =
        outcome.status == TransferOutcome::Status::DeviceFailed ? QMessageBox::Critical : QMessageBox::Warning;
    auto *box = new QMessageBox(icon, title, outcome.message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

void MainWindow::showRetrying(int attempt, int attempts)
{
    const QString note = retryingText(attempt, attempts);
    switch (m_busy.kind()) {
    case Kind::ReadProgram:
    case Kind::SendProgram:
        m_programs->showProgressNote(note);
        break;
    case Kind::Backup:
    case Kind::Restore:
        break; // their progress window says so
    default:
        m_reagents->showProgressNote(note);
        break;
    }
}

void MainWindow::readProgram()
{
    if (!m_busy.isIdle())
        return;
    const int n = m_programs->currentProgram();
    m_programs->numberBox()->setText(QString::number(n));
    if (!m_programs->hasUnsentEdits(n))
        return startReadProgram(n);
    auto *question = new QMessageBox(QMessageBox::Question, readFromCorvexCaption(), readOverUnsentEditsQuestion(n),
                                     QMessageBox::Yes | QMessageBox::No, this);
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question, n] {
        if (question->clickedButton() == question->button(QMessageBox::Yes))
            startReadProgram(n);
    });
    question->open();
}

void MainWindow::startReadProgram(int n)
{
    if (m_busy.isIdle())
        runProgramJob(Kind::ReadProgram, readFromCorvexCaption(), m_parts.transfers.readProgram(n, this));
}

void MainWindow::sendProgram()
{
    if (!m_busy.isIdle())
        return;
    const int n = m_programs->currentProgram();
    auto *question = new QMessageBox(QMessageBox::NoIcon, tr("Send Program to Corvex"),
                                     tr("%1, which is stored on the Corvex, will be overwritten. Are you sure?")
                                         .arg(programNumberLabel(n)),
                                     QMessageBox::Yes | QMessageBox::No, this);
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    connect(question, &QMessageBox::finished, this, [this, question, n] {
        if (question->clickedButton() == question->button(QMessageBox::Yes))
            startSendProgram(n);
    });
    question->open();
}

void MainWindow::startSendProgram(int n)
{
    if (m_busy.isIdle())
        runProgramJob(Kind::SendProgram, tr("Send to Corvex"), m_parts.transfers.sendProgram(n, this));
}

void MainWindow::runProgramJob(Kind kind, const QString &title, TransferJob *job)
{
    connect(job, &TransferJob::progress, m_programs, &ProgramEditor::showProgress);
    runJob(kind, title, job, [this](const TransferOutcome &outcome) {
        // The program now matches the Corvex (its number could not change meanwhile).
        if (outcome.status == TransferOutcome::Status::Done || outcome.status == TransferOutcome::Status::StoreFailed)
            m_programs->settle(m_programs->currentProgram());
        m_programs->showProgram();
        m_programs->resetProgress();
    });
}

void MainWindow::readReagent()
{
    if (!m_busy.isIdle())
        return;
    const int r = m_reagents->numberToRead();
    m_reagents->setNumberToRead(r);
    runJob(Kind::ReadReagent, readFromCorvexCaption(), m_parts.transfers.readReagent(r, this),
           [this, r](const TransferOutcome &outcome) {
               m_reagents->resetReadAllProgress();
               if (outcome.transferred())
                   m_reagents->refreshLine(r);
               else if (m_parts.connection.isConnected())
                   m_title = tr("ERROR!");
           });
}

void MainWindow::readAllReagents()
{
    if (!m_busy.isIdle())
        return;
    TransferJob *job = m_parts.transfers.readAllReagents(this);
    connect(job, &TransferJob::reagentDone, this, [this](int reagent) {
        m_reagents->refreshLine(reagent);
        m_reagents->setReadAllProgress(reagent);
    });
    runJob(Kind::ReadAll, readAllCaption(), job, [this](const TransferOutcome &outcome) {
        if (!outcome.transferred() && outcome.status != TransferOutcome::Status::StoreFailed
            && m_parts.connection.isConnected())
            m_title = tr("ERROR!");
        m_reagents->resetReadAllProgress();
    });
}

void MainWindow::stopReadAll()
{
    if (!m_busy.allowsStop() || !m_job)
        return;
    m_busy.stop();
    m_job->stop();
}

void MainWindow::sendReagent(int number, const QByteArray &storedName)
{
    if (!ReagentTable::isValidNumber(number) || !m_busy.isIdle())
        return;
    const QByteArray previous = m_parts.data.reagents[number];
    m_parts.data.reagents[number] = storedName;
    runJob(Kind::SendReagent, tr("Send reagent"), m_parts.transfers.sendReagent(number, this),
           [this, number, previous](const TransferOutcome &outcome) {
               m_reagents->resetReadAllProgress();
               if (outcome.status == TransferOutcome::Status::DeviceFailed
                   || outcome.status == TransferOutcome::Status::Refused) {
                   // The table keeps showing what the instrument and the store hold;
                   // the typed name stays in the name box to be sent again.
                   m_parts.data.reagents[number] = previous;
               } else {
                   m_reagents->refreshLine(number);
               }
           });
}

} // namespace corvex
