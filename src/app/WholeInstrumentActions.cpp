#include "WholeInstrumentActions.h"

#include "BackupFile.h"
#include "CompareDialog.h"
#include "DeviceConnection.h"
#include "JobProgressDialog.h"
#include "PortTable.h"
#include "RestoreSource.h"
#include "TransferLog.h"
#include "TransferLogDialog.h"
#include "TransferRate.h"
#include "WholeInstrumentJobs.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QStandardPaths>

namespace corvex {

namespace {

QString backupTitle()
{
    return WholeInstrumentActions::tr("Back Up Instrument");
}

QString restoreTitle()
{
    return WholeInstrumentActions::tr("Restore Instrument");
}

// The user's documents folder, with a name of today's date for a new backup.
QString suggestedPlace(QFileDialog::AcceptMode mode)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    if (mode == QFileDialog::AcceptOpen)
        return folder;
    return QDir(folder).filePath(QStringLiteral("corvex-backup-%1.ini").arg(QDate::currentDate().toString(Qt::ISODate)));
}

QString chooseFile(QWidget *parent, const QString &title, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, suggestedPlace(mode), WholeInstrumentActions::tr("Corvex backups (*.ini);;All files (*)"));
    dialog.setObjectName(QStringLiteral("cdBackup"));
    dialog.setAcceptMode(mode);
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// What a restore of `backup` overwrites, for the question before it starts.
QString restoreQuestion(const QString &file, const CompareSide &backup, const InstrumentData &local)
{
    QString text = WholeInstrumentActions::tr("All 99 programs and all 200 reagent names on the Corvex will be "
                                              "overwritten by those of \"%1\"")
                       .arg(file);
    if (const std::optional<BackupInfo> info = readBackupInfo(file)) {
        text += WholeInstrumentActions::tr(", backed up on %1 from %2")
                    .arg(QLocale().toString(info->created, QLocale::ShortFormat), info->port);
    }
    const QList<DataDifference> differences = compareData(local, backup.data);
    text += differences.isEmpty()
        ? WholeInstrumentActions::tr(".\n\nThe backup holds the same as the local store.")
        : WholeInstrumentActions::tr(".\n\nIt differs from the local store (the last copy of the Corvex) in %n items; "
                                     "the details list them.",
                                     nullptr, int(differences.size()));
    return text + WholeInstrumentActions::tr("\n\nRestore the backup now?");
}

} // namespace

WholeInstrumentActions::WholeInstrumentActions(Parts parts, QObject *parent)
    : QObject(parent)
    , m_parts(std::move(parts))
    , m_linkMemory(m_parts.link)
    , m_memory(m_linkMemory)
{
    programTransferLog().setFailureReporter([window = QPointer<QWidget>(m_parts.window)](const QString &message) {
        auto *box = new QMessageBox(QMessageBox::Warning, tr("Transfer Log"), message, QMessageBox::Ok, window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void WholeInstrumentActions::addTo(QMenu *menu)
{
    const auto add = [menu](const char *name, const QString &caption, auto slot) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, slot);
    };
    add("mnBackup", tr("&Back Up Instrument..."), [this] { backUp(); });
    add("mnRestore", tr("Res&tore Instrument..."), [this] { restore(); });
    add("mnCompare", tr("&Compare..."), [this] { compare(); });
    add("mnTransferLog", tr("Transfer &Log..."), [this] { showLog(); });
}

bool WholeInstrumentActions::checkConnected(const QString &title)
{
    if (m_running || !m_parts.busy.isIdle())
        return false;
    if (m_parts.connection.isConnected())
        return true;
    QMessageBox::warning(m_parts.window, title,
                         tr("The Corvex is not connected. Connect it in File > Settings... first."));
    return false;
}

void WholeInstrumentActions::runBackup(const QString &file,
                                       std::function<void(const BackupJob &, const TransferOutcome &)> done)
{
    const QString port = portDescription(m_parts.connection.connectedPort(), m_parts.link.port().deviceName());
    BackupJob *job = makeBackup(m_memory, file, port, this);
    m_running = job;
    // Over the Compare dialog when it asks for the read.
    QWidget *over = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parts.window;
    auto *progress = new JobProgressDialog(*job, file.isEmpty() ? tr("Reading the Corvex") : backupTitle(), over);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(job, &TransferJob::finished, this, [this, job, done](const TransferOutcome &outcome) {
        m_running = nullptr;
        job->deleteLater();
        done(*job, outcome);
    });
    progress->open();
    job->start();
}

void WholeInstrumentActions::backUp()
{
    if (!checkConnected(backupTitle()))
        return;
    const QString file = chooseFile(m_parts.window, backupTitle(), QFileDialog::AcceptSave);
    if (file.isEmpty())
        return;
    const QString port = portDescription(m_parts.connection.connectedPort(), m_parts.link.port().deviceName());
    BackupJob *job = makeBackup(m_memory, file, port, this);
    runBusy(BusyState::Kind::Backup, backupTitle(), job, [this, job, file](const TransferOutcome &outcome) {
        showEnded(backupTitle(), outcome,
                  tr("The Corvex has been backed up to \"%1\" (%2 bytes read).")
                      .arg(file, byteCountText(job->bytesRead())));
    });
}

void WholeInstrumentActions::runBusy(BusyState::Kind kind, const QString &title, TransferJob *job,
                                     const std::function<void(const TransferOutcome &)> &ended)
{
    // A plain window: the main window stays usable as far as its busy state allows.
    auto *progress = new JobProgressDialog(*job, title, m_parts.window);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowModality(Qt::NonModal);
    connect(progress, &JobProgressDialog::stopAsked, &m_parts.busy, &BusyState::stop);
    progress->show();
    m_parts.runJob(kind, title, job, ended);
}

// What the window does not show itself: the success, and a stop on request.
// Nothing while the window closes.
void WholeInstrumentActions::showEnded(const QString &title, const TransferOutcome &outcome, const QString &doneText)
{
    if (m_parts.busy.phase() == BusyState::Phase::Closing)
        return;
    QMessageBox *box = nullptr;
    if (outcome.status == TransferOutcome::Status::Done)
        box = new QMessageBox(QMessageBox::Information, title, doneText, QMessageBox::Ok, m_parts.window);
    else if (outcome.status == TransferOutcome::Status::Stopped)
        box = new QMessageBox(QMessageBox::Warning, title, outcome.message, QMessageBox::Ok, m_parts.window);
    if (!box)
        return;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void WholeInstrumentActions::restore()
{
    if (!checkConnected(restoreTitle()))
        return;
    const QString file = chooseFile(m_parts.window, restoreTitle(), QFileDialog::AcceptOpen);
    if (file.isEmpty())
        return;
    const RestoreSource source = readRestoreSource(file, StorePart());
    if (!source.ok()) {
        QMessageBox::warning(m_parts.window, restoreTitle(), source.refusal(file));
        return;
    }
    const CompareSide backup{file, source.data, false};

    QMessageBox question(QMessageBox::Question, restoreTitle(), restoreQuestion(file, backup, m_parts.data),
                         QMessageBox::Yes | QMessageBox::No, m_parts.window);
    QStringList lines;
    for (const DataDifference &difference : compareData(m_parts.data, backup.data))
        lines << differenceLine(difference);
    if (!lines.isEmpty())
        question.setDetailedText(tr("Local store -> backup:\n") + lines.join(QLatin1Char('\n')));
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;

    RestoreJob *job = makeRestore(m_memory, backup.data, file, StorePart(), m_parts.data, m_parts.storePath, this);
    runBusy(BusyState::Kind::Restore, restoreTitle(), job, [this, file](const TransferOutcome &outcome) {
        if (outcome.status == TransferOutcome::Status::Done || outcome.status == TransferOutcome::Status::StoreFailed)
            m_parts.dataChanged();
        showEnded(restoreTitle(), outcome,
                  tr("\"%1\" has been restored to the Corvex and saved to the local store.").arg(file));
    });
}

void WholeInstrumentActions::compare()
{
    const auto readInstrument = [this](std::function<void(std::optional<InstrumentData>)> done) {
        if (!checkConnected(compareTitle())) {
            QMetaObject::invokeMethod(this, [done] { done(std::nullopt); }, Qt::QueuedConnection);
            return;
        }
        runBackup(QString(), [this, done](const BackupJob &job, const TransferOutcome &outcome) {
            if (outcome.status != TransferOutcome::Status::Done) {
                QMessageBox::warning(m_parts.window, compareTitle(), outcome.message);
                done(std::nullopt);
                return;
            }
            done(job.data());
        });
    };
    CompareDialog dialog(m_parts.storePath, m_parts.currentProgram(), readInstrument, m_parts.window);
    dialog.exec();
}

void WholeInstrumentActions::showLog()
{
    TransferLogDialog dialog(programTransferLog().path(), m_parts.window);
    dialog.exec();
}

} // namespace corvex
