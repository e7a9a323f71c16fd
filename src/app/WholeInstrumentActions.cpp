#include "WholeInstrumentActions.h"

#include "BackupFile.h"
#include "CompareDialog.h"
#include "JobProgressDialog.h"
#include "JobRunner.h"
#include "RestoreSource.h"
#include "StoreLock.h"
#include "TransferLog.h"
#include "TransferLogDialog.h"
#include "TransferRate.h"
#include "WholeInstrumentJobs.h"

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

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
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
{
    m_parts.runner.log().setFailureReporter([window = QPointer<QWidget>(m_parts.window)](const QString &message) {
        showMessage(window, QMessageBox::Warning, tr("Transfer Log"), message);
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

bool WholeInstrumentActions::checkReady(const QString &title)
{
    if (!m_parts.runner.busy().isIdle()) {
        showMessage(m_parts.window, QMessageBox::Warning, title,
                    tr("Another transfer is under way. Try again when it has ended."));
        return false;
    }
    if (m_parts.runner.isConnected())
        return true;
    showMessage(m_parts.window, QMessageBox::Warning, title,
                tr("The Corvex is not connected. Connect it in File > Settings... first."));
    return false;
}

void WholeInstrumentActions::backUp()
{
    if (!checkReady(backupTitle()))
        return;
    const QString file = chooseFile(m_parts.window, backupTitle(), QFileDialog::AcceptSave);
    if (file.isEmpty() || !checkReady(backupTitle()))
        return;
    // A backup onto a store that another utility works on would be mixed
    // with what that one saves.
    auto targetLock = std::make_shared<StoreLock>(file);
    if (!targetLock->tryLock()) {
        showMessage(m_parts.window, QMessageBox::Warning, backupTitle(), targetLock->error());
        return;
    }
    BackupJob *job = makeBackup(m_parts.runner.memory(), m_parts.runner.log(), file, m_parts.runner.port());
    runWithProgress(BusyState::Kind::Backup, backupTitle(), job, [this, job, file, targetLock](const TransferOutcome &outcome) {
        showEnded(backupTitle(), outcome,
                  tr("The Corvex has been backed up to \"%1\" (%2 bytes read).")
                      .arg(file, byteCountText(job->bytesRead())));
    });
}

void WholeInstrumentActions::runWithProgress(BusyState::Kind kind, const QString &title, TransferJob *job,
                                             std::function<void(const TransferOutcome &)> ended)
{
    // A plain window: the main window stays usable as far as its busy state allows.
    auto *progress = new JobProgressDialog(*job, title, m_parts.window);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    progress->setWindowModality(Qt::NonModal);
    connect(progress, &JobProgressDialog::stopAsked, &m_parts.runner, &JobRunner::stop);
    progress->show();
    m_parts.runner.run(kind, job, std::move(ended));
}

// What the window does not show itself: the success, and a stop on request.
// Nothing while the window closes.
void WholeInstrumentActions::showEnded(const QString &title, const TransferOutcome &outcome, const QString &doneText)
{
    if (m_parts.runner.busy().phase() == BusyState::Phase::Closing)
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
    if (!checkReady(restoreTitle()))
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
    if (question.exec() != QMessageBox::Yes || !checkReady(restoreTitle()))
        return;

    RestoreJob *job = makeRestore(m_parts.runner.memory(), m_parts.runner.log(), backup.data, file, StorePart(), m_parts.data,
                                  m_parts.storePath);
    runWithProgress(BusyState::Kind::Restore, restoreTitle(), job, [this, file](const TransferOutcome &outcome) {
        if (outcome.status == TransferOutcome::Status::Done || outcome.status == TransferOutcome::Status::StoreFailed)
            m_parts.dataChanged();
        showEnded(restoreTitle(), outcome,
                  tr("\"%1\" has been restored to the Corvex and saved to the local store.").arg(file));
    });
}

void WholeInstrumentActions::compare()
{
    const auto readInstrument = [this]() -> BackupJob * {
        if (!checkReady(compareTitle()))
            return nullptr;
        BackupJob *job = makeBackup(m_parts.runner.memory(), m_parts.runner.log(), QString(), m_parts.runner.port());
        m_parts.runner.run(BusyState::Kind::CompareRead, job);
        return job;
    };
    // Beside the main window, which shows the read as it shows a backup.
    auto *dialog = new CompareDialog(m_parts.storePath, m_parts.currentProgram(), readInstrument, m_parts.window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::NonModal);
    dialog->show();
}

void WholeInstrumentActions::showLog()
{
    TransferLogDialog dialog(m_parts.runner.log().path(), m_parts.window);
    dialog.exec();
}

} // namespace corvex
