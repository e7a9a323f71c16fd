#pragma once

#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Reads PDF files back with the poppler tools, as a person would look at them.
namespace PdfReading {

struct Word
{
    QString text;
    QPointF topLeft; // points from the page's top-left corner
};

inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
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

// The plain text of the given pages (all when 0), laid out as on the page.
inline QString text(const QString &pdf, int page = 0)
{
    QStringList arguments{QStringLiteral("-layout")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    return run(QStringLiteral("pdftotext"), arguments + QStringList{pdf, QStringLiteral("-")});
}

inline int pageCount(const QString &pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"(Pages:\s+(\d+))"));
    return pages.match(run(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

} // namespace PdfReading
