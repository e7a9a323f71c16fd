#include "PrintService.h"

#include <QFile>

#include <cups/cups.h>

namespace corvex {

namespace {

// A queue name splits into the print service's printer and an optional
// instance (a saved set of options on the same printer).
struct QueueName
{
    QByteArray printer;
    QByteArray instance;

    explicit QueueName(const QString &queue)
    {
        const qsizetype slash = queue.indexOf(QLatin1Char('/'));
        printer = queue.left(slash).toUtf8();
        if (slash >= 0)
            instance = queue.mid(slash + 1).toUtf8();
    }
    const char *instanceOrNull() const { return instance.isEmpty() ? nullptr : instance.constData(); }
};

} // namespace

QString PrintService::printerText(const QString &queue)
{
    return QStringLiteral("the printer \"%1\"").arg(queue);
}

namespace {

// Why the print service's last answer (on this thread) was a refusal.
QString lastRefusal(const QString &queue)
{
    const QString said = QString::fromUtf8(cupsLastErrorString());
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return PrintService::printerText(queue) + QStringLiteral(" is not accepting jobs");
    case IPP_STATUS_ERROR_NOT_FOUND:
        return PrintService::printerText(queue) + QStringLiteral(" is not set up on this system");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
    case IPP_STATUS_ERROR_INTERNAL:
        return QStringLiteral("the print service at %1 cannot be reached (%2)").arg(QString::fromUtf8(cupsServer()), said);
    default:
        return QStringLiteral("the print service refused the job for %1 (%2)").arg(PrintService::printerText(queue), said);
    }
}

// Empty when the print service answers a connection; otherwise why not. A
// destination that is not found may mean either, as libcups tells no
// difference.
QString unreachable()
{
    constexpr int timeoutMs = 10'000;
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, nullptr);
    if (http) {
        httpClose(http);
        return {};
    }
    return QStringLiteral("the print service at %1 cannot be reached (%2)")
        .arg(QString::fromUtf8(cupsServer()), QString::fromUtf8(cupsLastErrorString()));
}

struct Destination
{
    cups_dest_t *dest = nullptr;
    explicit Destination(cups_dest_t *dest) : dest(dest) {}
    ~Destination() { cupsFreeDests(dest ? 1 : 0, dest); }
    Destination(const Destination &) = delete;
    Destination &operator=(const Destination &) = delete;
};

} // namespace

namespace PrintService {

QString defaultQueue(QString &problem)
{
    const Destination found(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr));
    if (!found.dest) {
        problem = unreachable();
        if (problem.isEmpty())
            problem = QStringLiteral("no printer is set up on this system");
        return {};
    }
    QString queue = QString::fromUtf8(found.dest->name);
    if (found.dest->instance)
        queue += QLatin1Char('/') + QString::fromUtf8(found.dest->instance);
    return queue;
}

QString queueProblem(const QString &queue)
{
    const QueueName name(queue);
    if (name.printer.isEmpty())
        return QStringLiteral("no printer is set up on this system");
    const Destination found(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.printer.constData(), name.instanceOrNull()));
    if (!found.dest) {
        const QString refusal = lastRefusal(queue);
        const QString down = unreachable();
        return down.isEmpty() ? refusal : down;
    }
    const char *accepting = cupsGetOption("printer-is-accepting-jobs", found.dest->num_options, found.dest->options);
    if (accepting && qstrcmp(accepting, "false") == 0)
        return printerText(queue) + QStringLiteral(" is not accepting jobs");
    return {};
}

QString submitPdf(const QString &queue, const QString &pdfFile, const QString &title, const JobOptions &options)
{
    const QueueName name(queue);
    int count = 0;
    cups_option_t *list = nullptr;
    for (const auto &[option, value] : options)
        count = cupsAddOption(option.constData(), value.constData(), count, &list);
    // Creates the job, sends the document and closes it, checking each answer;
    // a job that fails on the way is cancelled and gives 0.
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, name.printer.constData(), QFile::encodeName(pdfFile).constData(),
                                   title.toUtf8().constData(), count, list);
    cupsFreeOptions(count, list);
    return job > 0 ? QString() : lastRefusal(queue);
}

} // namespace PrintService

} // namespace corvex
