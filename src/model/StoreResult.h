#pragma once

#include <QString>

namespace corvex {

// Outcome of writing a file: either done, or a message that says what failed
// and where, fit to show to the user.
struct StoreResult
{
    bool ok = true;
    QString error;

    static StoreResult done() { return {}; }
    static StoreResult failed(const QString &message) { return {false, message}; }
    explicit operator bool() const { return ok; }
};

} // namespace corvex
