#pragma once

// Temporary: what the blocking transfers (DeviceTransfers::ReadProgram and
// the like) report while they run, for callers not yet moved to jobs. Goes
// with them.
//
// Program transfers: setMaximum(138) at the start; setMaximum(78) once the
// type byte of an LM program has been read; then stepDone() after each byte.
// Read ALL: setMaximum(200) at the start, reagentDone(r) after reagent r has
// been read and stored, then stopRequested(); true ends the read there.
class TransferObserver
{
public:
    virtual ~TransferObserver() = default;

    virtual void setMaximum(int maximum) { static_cast<void>(maximum); }
    virtual void stepDone() {}
    virtual void reagentDone(int reagent) { static_cast<void>(reagent); }
    virtual bool stopRequested() { return false; }
};
