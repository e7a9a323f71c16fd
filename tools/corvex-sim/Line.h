#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>

#include <memory>

namespace corvex {

// The simulator's end of the serial line: the master side of a
// pseudo-terminal, or a real serial device, as a non-blocking descriptor.
class Line : public QObject
{
    Q_OBJECT

public:
    // A new pseudo-terminal in raw mode. The simulator keeps the other side
    // open itself, so clients may close and reopen it at will.
    static std::unique_ptr<Line> openPseudoTerminal(QString *clientPath, QString *error);
    // A serial device at 9600 baud, 8N1, raw, no flow control.
    static std::unique_ptr<Line> openDevice(const QString &path, QString *error);

    ~Line() override;

    void write(const QByteArray &bytes);

Q_SIGNALS:
    void received(const QByteArray &bytes);
    // The device went away; nothing more can be read.
    void closed();

private:
    Line(int fd, int keepOpenFd);
    void readAvailable();
    void writePending();

    int m_fd = -1;
    int m_keepOpenFd = -1;
    QByteArray m_pending;
    QSocketNotifier m_readNotifier;
    QSocketNotifier m_writeNotifier;
};

} // namespace corvex
