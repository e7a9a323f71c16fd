#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvex {

// How a print run ended. Every failure shows the user one fixed message; the
// detail says what happened, for the command line and for tests.
struct PrintResult
{
    enum class Failure { None, PrinterFailed, LogoNotScalable, ReagentOutOfRange };

    Failure failure = Failure::None;
    QString detail;

    bool ok() const { return failure == Failure::None; }
    explicit operator bool() const { return ok(); }

    static PrintResult done() { return {}; }
    static PrintResult failed(Failure failure, const QString &detail) { return {failure, detail}; }
};

// The one message of a failed print run, with its box title.
inline QString printerErrorText()
{
    return QCoreApplication::translate("PrintResult", "Unknown Printer Error.");
}
inline QString printerErrorTitle()
{
    return QCoreApplication::translate("PrintResult", "Printer Error.");
}

} // namespace corvex
