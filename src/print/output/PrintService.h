#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

namespace corvex {

// The system's print service (CUPS), asked directly: which queue is the
// default, whether a queue takes jobs, and handing it a finished PDF with
// every answer checked. A queue is named as the print service names it
// ("Office", or "Office/instance" for a saved set of options).
namespace PrintService {

using JobOptions = QList<std::pair<QByteArray, QByteArray>>;

// A queue as messages and the transfer log name it: the printer "Office".
QString printerText(const QString &queue);

// The queue jobs go to when none is named; empty when there is none, with
// `problem` saying why.
QString defaultQueue(QString &problem);

// Empty when the queue is set up and accepts jobs; otherwise why not.
QString queueProblem(const QString &queue);

// Submits `pdfFile` to `queue` as one job named `title`. Empty when the
// print service took the whole job; otherwise why it did not.
QString submitPdf(const QString &queue, const QString &pdfFile, const QString &title, const JobOptions &options);

} // namespace PrintService

} // namespace corvex
