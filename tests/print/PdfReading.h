#pragma once

#include "PdfPrint.h"
#include "support/CtlProcess.h"

#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>

namespace corvex {

// Reads PDF files back with the poppler tools, as a person would look at them.
namespace PdfReading {

struct Word
{
    QString text;
    QPointF topLeft; // points from the page's top-left corner
};

inline QString run(const QString &program, const QStringList &arguments)
{
    const CtlRun run = runProcess(program, arguments);
    return run.exitCode == 0 ? run.out : QString();
}

// The words of one page as pdftotext -bbox reads them.
inline QList<Word> words(const QString &pdf, int page)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                                           QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<Word> found;
    for (const QRegularExpressionMatch &match : word.globalMatch(html))
        found.append({match.captured(3), QPointF(match.captured(1).toDouble(), match.captured(2).toDouble())});
    return found;
}

// The words of a page whose box starts within `points` of where the twip
// position of a sheet lands on an A4 PDF page.
inline QList<Word> wordsNear(const QString &pdf, int page, QPointF twips, double points)
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPdfPrinter(printer, QStringLiteral("unused.pdf"));
    const QPointF at = printer.pageLayout().paintRect(QPageLayout::Point).topLeft() + twips / 20.0;
    QList<Word> found;
    for (const Word &word : words(pdf, page)) {
        if (qAbs(word.topLeft.x() - at.x()) <= points && qAbs(word.topLeft.y() - at.y()) <= points)
            found.append(word);
    }
    return found;
}

// The words of one page in reading order, joined by single spaces.
inline QString text(const QString &pdf, int page)
{
    QStringList texts;
    for (const Word &word : words(pdf, page))
        texts << word.text;
    return texts.join(QLatin1Char(' '));
}

// A field of the document's information (Pages, Title...), as a PDF viewer shows it.
inline QString info(const QString &pdf, const char *field)
{
    const QRegularExpression line(QStringLiteral("^%1:[ \t]*(.*)$").arg(QLatin1String(field)), QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1);
}
inline int pageCount(const QString &pdf) { return info(pdf, "Pages").toInt(); }
inline QString title(const QString &pdf) { return info(pdf, "Title"); }

} // namespace PdfReading

} // namespace corvex
