#include "print/PdfPrint.h"

#include "print/PrintLayout.h"
#include "print/PrinterSurface.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>

namespace {

// The permissions a newly created file gets (the composing file is private).
QFile::Permissions newFilePermissions()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFile::Permissions permissions;
    const std::pair<mode_t, QFile::Permission> bits[] = {
        {S_IRUSR, QFile::ReadOwner}, {S_IWUSR, QFile::WriteOwner}, {S_IRGRP, QFile::ReadGroup},
        {S_IWGRP, QFile::WriteGroup}, {S_IROTH, QFile::ReadOther}, {S_IWOTH, QFile::WriteOther},
    };
    for (const auto &[bit, permission] : bits) {
        if (!(mask & bit))
            permissions |= permission;
    }
    return permissions | (permissions & QFile::ReadOwner ? QFile::ReadUser : QFile::Permissions())
        | (permissions & QFile::WriteOwner ? QFile::WriteUser : QFile::Permissions());
}

} // namespace

void SetUpPdfPrinter(QPrinter &printer, const QString &file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCreator(QStringLiteral("Corvex Utility"));
    printer.setDocName(QFileInfo(file).completeBaseName());
}

PrintResult PrintToPdfFile(const InstrumentData &data, const PrintRequest &request, const QString &file)
{
    const QFileInfo target(file);
    QTemporaryFile partial(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!partial.open()) {
        return PrintResult::Failed(PrintResult::Failure::PrinterFailed,
                                   QStringLiteral("cannot write in %1: %2")
                                       .arg(QDir::toNativeSeparators(target.absolutePath()), partial.errorString()));
    }
    partial.close();
    partial.setPermissions(newFilePermissions());

    PrintResult result;
    {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, partial.fileName());
        printer.setDocName(PrintJobTitle(request));
        PrinterSurface surface(printer);
        result = RunPrintLayout(data, request, surface);
    }
    if (!result)
        return result;

    if (std::rename(QFile::encodeName(partial.fileName()).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        return PrintResult::Failed(PrintResult::Failure::PrinterFailed,
                                   QStringLiteral("cannot replace %1").arg(QDir::toNativeSeparators(target.absoluteFilePath())));
    }
    partial.setAutoRemove(false);
    return result;
}
