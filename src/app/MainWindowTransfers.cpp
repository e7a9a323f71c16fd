// The transfer buttons of both tabs: each starts one job on the runner,
// shows its progress and retries, says on its tab how it ended, and tells
// the user when it failed.
#include "MainWindow.h"

#include "CompareDialog.h"
#include "ConnectionFrame.h"
#include "DeviceConnection.h"
#include "JobRunner.h"
#include "ListTexts.h"
#include "ProgramEditor.h"
#include "Progress.h"
#include "ReagentEditor.h"
#include "TransferJob.h"
#include "UnsentEdits.h"

#include <QMessageBox>

namespace corvex {

using Kind = BusyState::Kind;

namespace {

// A Yes/No question (No by default) that leaves the event loop running, so
// that a transfer goes on meanwhile; `onYes` runs only on Yes.
void askThen(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
             const std::function<void()> &onYes)
{
    auto *question = new QMessageBox(icon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(question, &QMessageBox::finished, parent, [question, onYes] {
        if (question->clickedButton() == question->button(QMessageBox::Yes))
            onYes();
    });
    question->open();
}

} // namespace
using Status = TransferOutcome::Status;

namespace {

// The title of a failure's message box.
QString jobTitle(Kind kind)
{
    switch (kind) {
    case Kind::SendProgram:
        return MainWindow::tr("Send to Corvex");
    case Kind::SendReagent:
        return MainWindow::tr("Send reagent");
    case Kind::ReadAll:
        return readAllCaption();
    case Kind::Backup:
        return MainWindow::tr("Back Up Instrument");
    case Kind::Restore:
        return MainWindow::tr("Restore Instrument");
    case Kind::CompareRead:
        return compareTitle();
    default:
        return readFromCorvexCaption();
    }
}

// How a read or send of `what` ("Program03", "Reagent 005") ended, for its tab.
QString endedText(bool read, const QString &what, const TransferOutcome &outcome)
{
    switch (outcome.status) {
    case Status::Done:
        return read ? MainWindow::tr("%1 read.").arg(what) : MainWindow::tr("%1 sent.").arg(what);
    case Status::Stopped:
        return MainWindow::tr("Reading %1 stopped; it is unchanged.").arg(what);
    case Status::StoreFailed:
        return read ? MainWindow::tr("%1 read, but not saved.").arg(what) : MainWindow::tr("%1 sent, but not saved.").arg(what);
    default:
        return read ? MainWindow::tr("%1 was not read.").arg(what) : MainWindow::tr("%1 was not sent.").arg(what);
    }
}

QString readAllEndedText(const TransferOutcome &outcome)
{
    const int read = outcome.reagentsRead;
    const QString saved = read == 1 ? MainWindow::tr("1 name saved") : MainWindow::tr("%1 names saved").arg(read);
    switch (outcome.status) {
    case Status::Done:
        return MainWindow::tr("Read ALL done; %1.").arg(saved);
    case Status::Stopped:
        return read == 0 ? MainWindow::tr("Read ALL stopped; no names read.")
                         : MainWindow::tr("Read ALL stopped after %1; %2.").arg(reagentNumberLabel(read), saved);
    case Status::StoreFailed:
        return MainWindow::tr("Read ALL read %1 names, but they were not saved.").arg(read);
    default:
        return read == 0 ? MainWindow::tr("Read ALL failed; no names read.")
                         : MainWindow::tr("Read ALL failed after %1; %2.").arg(reagentNumberLabel(read), saved);
    }
}

} // namespace

void MainWindow::jobFinished(Kind kind, const TransferOutcome &outcome, bool closing)
{
    if (kind == Kind::SendReagent && !closing)
        m_reagents->focusNameBox(); // the window was disabled meanwhile, which took the focus away
    if (!outcome.transferred()) {
        // Also when the window is closing: what failed is never hidden.
        QMessageBox *box = showFailure(jobTitle(kind), outcome);
        if (closing)
            connect(box, &QMessageBox::finished, this, &QWidget::close);
        return;
    }
    if (closing)
        close();
}

QMessageBox *MainWindow::showFailure(const QString &title, const TransferOutcome &outcome)
{
    const QMessageBox::Icon icon = outcome.status == Status::DeviceFailed ? QMessageBox::Critical : QMessageBox::Warning;
    auto *box = new QMessageBox(icon, title, outcome.message, QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

void MainWindow::showRetrying(int attempt, int attempts)
{
    const QString note = retryingText(attempt, attempts);
    switch (m_runner->busy().kind()) {
    case Kind::ReadProgram:
    case Kind::SendProgram:
        m_programs->showProgressNote(note);
        break;
    case Kind::ReadReagent:
    case Kind::SendReagent:
    case Kind::ReadAll:
        m_reagents->showProgressNote(note);
        break;
    default:
        break; // their own windows say so
    }
}

void MainWindow::clearEndedTexts()
{
    m_programs->resetProgress();
    m_reagents->resetReadAllProgress();
}

void MainWindow::readProgram()
{
    if (!m_runner->busy().isIdle())
        return;
    const int n = m_programs->currentProgram();
    m_programs->setCurrentProgram(n);
    if (!m_programs->hasUnsentEdits(n))
        return startReadProgram(n);
    askThen(this, QMessageBox::Question, readFromCorvexCaption(), readOverUnsentEditsQuestion(n),
            [this, n] { startReadProgram(n); });
}

void MainWindow::startReadProgram(int n)
{
    if (m_runner->busy().isIdle())
        runProgramJob(Kind::ReadProgram, m_runner->transfers().readProgram(n), programNumberLabel(n));
}

void MainWindow::sendProgram()
{
    if (!m_runner->busy().isIdle())
        return;
    const int n = m_programs->currentProgram();
    askThen(this, QMessageBox::NoIcon, tr("Send Program to Corvex"),
            tr("%1, which is stored on the Corvex, will be overwritten. Are you sure?").arg(programNumberLabel(n)),
            [this, n] { startSendProgram(n); });
}

void MainWindow::startSendProgram(int n)
{
    if (m_runner->busy().isIdle())
        runProgramJob(Kind::SendProgram, m_runner->transfers().sendProgram(n), programNumberLabel(n));
}

void MainWindow::runProgramJob(Kind kind, TransferJob *job, const QString &what)
{
    clearEndedTexts();
    connect(job, &TransferJob::progress, m_programs, &ProgramEditor::showProgress);
    connect(job, &TransferJob::retrying, this, &MainWindow::showRetrying);
    m_runner->run(kind, job, [this, kind, what](const TransferOutcome &outcome) {
        // The program now matches the Corvex (its number could not change meanwhile).
        if (outcome.status == TransferOutcome::Status::Done || outcome.status == TransferOutcome::Status::StoreFailed)
            m_programs->settle(m_programs->currentProgram());
        m_programs->showProgram();
        m_programs->resetProgress();
        m_programs->showProgressNote(endedText(kind == Kind::ReadProgram, what, outcome));
    });
}

void MainWindow::readReagent()
{
    if (!m_runner->busy().isIdle())
        return;
    const int r = m_reagents->numberToRead();
    m_reagents->setNumberToRead(r);
    clearEndedTexts();
    TransferJob *job = m_runner->transfers().readReagent(r);
    connect(job, &TransferJob::retrying, this, &MainWindow::showRetrying);
    m_runner->run(Kind::ReadReagent, job, [this, r](const TransferOutcome &outcome) {
        m_reagents->resetReadAllProgress();
        m_reagents->showProgressNote(endedText(true, reagentNumberLabel(r), outcome));
        if (outcome.transferred())
            m_reagents->refreshLine(r);
        else if (m_parts.connection.isConnected())
            m_title = tr("ERROR!");
    });
}

void MainWindow::readAllReagents()
{
    if (!m_runner->busy().isIdle())
        return;
    clearEndedTexts();
    TransferJob *job = m_runner->transfers().readAllReagents();
    connect(job, &TransferJob::retrying, this, &MainWindow::showRetrying);
    connect(job, &TransferJob::reagentDone, this, [this](int reagent) {
        m_reagents->refreshLine(reagent);
        m_reagents->setReadAllProgress(reagent);
    });
    m_runner->run(Kind::ReadAll, job, [this](const TransferOutcome &outcome) {
        if (!outcome.transferred() && outcome.status != Status::StoreFailed && m_parts.connection.isConnected())
            m_title = tr("ERROR!");
        m_reagents->resetReadAllProgress();
        m_reagents->showProgressNote(readAllEndedText(outcome));
    });
}

void MainWindow::sendReagent(int number, const QByteArray &storedName)
{
    if (!ReagentTable::isValidNumber(number) || !m_runner->busy().isIdle())
        return;
    const QByteArray previous = m_parts.data.reagents[number];
    m_parts.data.reagents[number] = storedName;
    clearEndedTexts();
    TransferJob *job = m_runner->transfers().sendReagent(number);
    connect(job, &TransferJob::retrying, this, &MainWindow::showRetrying);
    m_runner->run(Kind::SendReagent, job, [this, number, previous](const TransferOutcome &outcome) {
        m_reagents->resetReadAllProgress();
        m_reagents->showProgressNote(endedText(false, reagentNumberLabel(number), outcome));
        if (outcome.status == Status::DeviceFailed || outcome.status == Status::Refused) {
            // The table keeps showing what the instrument and the store hold;
            // the typed name stays in the name box to be sent again.
            m_parts.data.reagents[number] = previous;
        } else {
            m_reagents->refreshLine(number);
        }
    });
}

} // namespace corvex
