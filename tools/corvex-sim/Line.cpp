#include "Line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace corvex {

namespace {

QString systemError(const QString &what)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

bool makeRaw(int fd, bool setSpeed)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        return false;
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    if (setSpeed) {
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
    }
    return tcsetattr(fd, TCSANOW, &settings) == 0;
}

} // namespace

std::unique_ptr<Line> Line::openPseudoTerminal(QString *clientPath, QString *error)
{
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master < 0) {
        *error = systemError(QStringLiteral("cannot open a pseudo-terminal"));
        return nullptr;
    }
    const char *name = (grantpt(master) == 0 && unlockpt(master) == 0) ? ptsname(master) : nullptr;
    const int client = name ? ::open(name, O_RDWR | O_NOCTTY) : -1;
    if (client < 0 || !makeRaw(client, false)) {
        *error = systemError(QStringLiteral("cannot set up the pseudo-terminal"));
        if (client >= 0)
            ::close(client);
        ::close(master);
        return nullptr;
    }
    *clientPath = QString::fromLocal8Bit(name);
    return std::unique_ptr<Line>(new Line(master, client));
}

std::unique_ptr<Line> Line::openDevice(const QString &path, QString *error)
{
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        *error = systemError(QStringLiteral("cannot open %1").arg(path));
        return nullptr;
    }
    if (!makeRaw(fd, true)) {
        *error = systemError(QStringLiteral("cannot configure %1").arg(path));
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<Line>(new Line(fd, -1));
}

Line::Line(int fd, int keepOpenFd)
    : m_fd(fd)
    , m_keepOpenFd(keepOpenFd)
    , m_readNotifier(fd, QSocketNotifier::Read)
    , m_writeNotifier(fd, QSocketNotifier::Write)
{
    m_writeNotifier.setEnabled(false);
    connect(&m_readNotifier, &QSocketNotifier::activated, this, &Line::readAvailable);
    connect(&m_writeNotifier, &QSocketNotifier::activated, this, &Line::writePending);
}

Line::~Line()
{
    m_readNotifier.setEnabled(false);
    m_writeNotifier.setEnabled(false);
    ::close(m_fd);
    if (m_keepOpenFd >= 0)
        ::close(m_keepOpenFd);
}

void Line::write(const QByteArray &bytes)
{
    // With no client on the line nothing drains it; keep only the newest.
    constexpr qsizetype maxPending = 64 * 1024;
    m_pending.append(bytes);
    if (m_pending.size() > maxPending)
        m_pending.remove(0, m_pending.size() - maxPending);
    writePending();
}

void Line::writePending()
{
    while (!m_pending.isEmpty()) {
        const ssize_t written = ::write(m_fd, m_pending.constData(), static_cast<size_t>(m_pending.size()));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            // EAGAIN: the line is full (nobody reads the other end); wait.
            break;
        }
        m_pending.remove(0, written);
    }
    m_writeNotifier.setEnabled(!m_pending.isEmpty());
}

void Line::readAvailable()
{
    char buffer[512];
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer, sizeof buffer);
        if (count > 0) {
            emit received(QByteArray(buffer, count));
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count == 0 || errno != EAGAIN) {
            m_readNotifier.setEnabled(false);
            emit closed();
        }
        break;
    }
}

} // namespace corvex
