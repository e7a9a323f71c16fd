#include "BusyState.h"

namespace corvex {

bool BusyState::begin(Kind kind)
{
    if (!isIdle())
        return false;
    set(Phase::Transferring, kind);
    return true;
}

void BusyState::stop()
{
    if (m_phase == Phase::Transferring)
        set(Phase::Stopping, m_kind);
}

void BusyState::close()
{
    if (!isIdle())
        set(Phase::Closing, m_kind);
}

bool BusyState::end()
{
    const bool closing = m_phase == Phase::Closing;
    set(Phase::Idle, Kind::None);
    return closing;
}

void BusyState::set(Phase phase, Kind kind)
{
    if (phase == m_phase && kind == m_kind)
        return;
    m_phase = phase;
    m_kind = kind;
    emit changed();
}

} // namespace corvex
