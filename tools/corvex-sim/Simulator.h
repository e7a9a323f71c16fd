#pragma once

#include "Instrument.h"
#include "Line.h"
#include "MemoryImage.h"
#include "SimOptions.h"
#include "Transmitter.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace corvex {

// Ties the line, the instrument's answers, the requested faults and timing
// together.
class Simulator : public QObject
{
    Q_OBJECT

public:
    Simulator(const SimOptions &options, MemoryImage &memory, std::unique_ptr<Line> line);

    // Writes the memory file now, if there is one.
    bool saveMemory();

private:
    void receive(const QByteArray &bytes);
    void handleCommand(const QByteArray &command, std::chrono::nanoseconds lineStart, qsizetype lineLength);
    QByteArray applyReplyFaults(const QByteArray &command, QByteArray reply) const;
    void transmit(const QByteArray &reply, std::chrono::nanoseconds lineStart, qsizetype lineLength);
    void log(const QByteArray &text);
    bool everyKth(int k) const { return k > 0 && m_commandCount % k == 0; }

    SimOptions m_options;
    MemoryImage &m_memory;
    std::unique_ptr<Line> m_line;
    QElapsedTimer m_clock;
    Transmitter m_transmitter;
    Instrument m_instrument;
    CommandAssembler m_assembler;
    std::chrono::nanoseconds m_lineStart{0};
    qsizetype m_lineLength = 0;
    int m_commandCount = 0;
    bool m_silenced = false; // the address of --silent-from has come
    QTimer m_saveTimer;
};

} // namespace corvex
