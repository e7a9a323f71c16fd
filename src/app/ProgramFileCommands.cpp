#include "ProgramFileCommands.h"

#include "ProgramEditor.h"
#include "ProgramFile.h"
#include "ProgramFileLog.h"
#include "Questions.h"
#include "StoreLock.h"
#include "TransferLog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace corvex {

namespace {

// The file the user picks, or empty on cancel.
QString chooseFile(QWidget *parent, const QString &title, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, title, QString(), QCoreApplication::translate("ProgramFileCommands", "Text (*.txt)"));
    dialog.setObjectName(QStringLiteral("cd"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

void importProgram(QWidget *parent, InstrumentData &data, ProgramEditor &editor, TransferLog &log)
{
    const QString file =
        chooseFile(parent, QCoreApplication::translate("ProgramFileCommands", "Import Program File..."), QFileDialog::AcceptOpen);
    if (file.isEmpty())
        return;
    const int p = editor.currentProgram();
    const QString question = overwriteQuestion(QCoreApplication::translate("ProgramFileCommands", "Program"), p,
                                               data.programs[p].name)
        + QStringLiteral("\r\n\r\n")
        + QCoreApplication::translate("ProgramFileCommands", "Please note: If you import a program file from another "
                                                             "person, make sure you have the same reagent list.")
        + QStringLiteral("\r\n")
        + QCoreApplication::translate("ProgramFileCommands", "Otherwise the Reagent designations of the imported "
                                                             "Program may be wrong or exchanged.");
    if (!askYesNo(parent, QCoreApplication::translate("ProgramFileCommands", "Import File"), question))
        return;
    const ImportResult imported = readProgramFile(p, file, data);
    logProgramFile(log, LogOperation::ProgramImport, p, file, data, imported.message);
    if (!imported)
        QMessageBox::warning(parent, QCoreApplication::translate("ProgramFileCommands", "Import Program"),
                             imported.message);
    else
        editor.settle(p); // it is the file's now, which keeps it
    editor.showProgram();
}

void exportProgram(QWidget *parent, const InstrumentData &data, ProgramEditor &editor, const QString &storePath,
                   TransferLog &log)
{
    const QString file =
        chooseFile(parent, QCoreApplication::translate("ProgramFileCommands", "Export Program File..."), QFileDialog::AcceptSave);
    if (file.isEmpty())
        return;
    const int p = editor.currentProgram();
    StoreLock targetLock(file);
    const StoreResult saved = targetLock.tryLock() ? exportProgram(p, file, data, storePath)
                                                   : StoreResult::failed(targetLock.error());
    logProgramFile(log, LogOperation::ProgramExport, p, file, data, saved.error);
    if (!saved) {
        QMessageBox::critical(parent, QCoreApplication::translate("ProgramFileCommands", "Export Program"),
                              saved.error);
        return;
    }
    editor.settle(p);
    QMessageBox::information(parent, QCoreApplication::translate("ProgramFileCommands", "Export Program"),
                             QCoreApplication::translate("ProgramFileCommands", "%1 has been saved.")
                                 .arg(numberedName(QCoreApplication::translate("ProgramFileCommands", "Program"), p,
                                                   data.programs[p].name)));
}

} // namespace corvex
