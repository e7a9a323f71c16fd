#pragma once

// What a transfer tells the window or the command-line tool while it runs,
// and how it learns that the user wants Read ALL to stop. Every call happens
// on the thread that runs the transfer, between two memory commands.
//
// Program transfers: setMaximum(138) at the start; setMaximum(78) once the
// type byte of an LM program has been read (before that byte's step), since
// vials 13..24 of an LM program are not read; then stepDone() after each
// byte moved.
// Read ALL: setMaximum(200) at the start, reagentDone(r) after reagent r has
// been read and stored, then stopRequested(); true ends the read there.
// Single reagent transfers report nothing.
// The event loop runs inside every memory command, so a window repaints and
// sees a Stop click while a transfer runs without doing anything here.
class TransferObserver
{
public:
    virtual ~TransferObserver() = default;

    virtual void setMaximum(int maximum) { static_cast<void>(maximum); }
    virtual void stepDone() {}
    virtual void reagentDone(int reagent) { static_cast<void>(reagent); }
    virtual bool stopRequested() { return false; }
};
