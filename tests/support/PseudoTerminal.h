#pragma once

#include <QByteArray>
#include <QSocketNotifier>
#include <QString>

#include <fcntl.h>
#include <memory>
#include <stdlib.h>
#include <unistd.h>

namespace corvex {

// A pseudo-terminal whose other end this process holds: a device that
// answers every line with `answer`. path() is empty when none could be made.
class PseudoTerminal
{
public:
    explicit PseudoTerminal(QByteArray answer)
        : m_answer(std::move(answer))
        , m_master(::posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        m_path = QString::fromLocal8Bit(::ptsname(m_master));
        m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            char buffer[256];
            const ssize_t count = ::read(m_master, buffer, sizeof buffer);
            for (ssize_t i = 0; i < count; ++i) {
                if (buffer[i] == '\r')
                    static_cast<void>(::write(m_master, m_answer.constData(), size_t(m_answer.size())));
            }
        });
    }
    Q_DISABLE_COPY_MOVE(PseudoTerminal)
    ~PseudoTerminal()
    {
        m_notifier.reset();
        if (m_master >= 0)
            ::close(m_master);
    }

    QString path() const { return m_path; }

private:
    QByteArray m_answer;
    int m_master;
    QString m_path;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace corvex
