#pragma once

namespace corvex {

// Why a memory command gave up after all its attempts.
enum class MemoryFault {
    None,
    NotConnected, // the serial port is not open
    NoAnswer,     // every attempt timed out
    WrongAnswer,  // answers came, but none echoed the address (and value) asked for
};

} // namespace corvex
