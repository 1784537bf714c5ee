#pragma once

namespace korven {

// What the program knows of its local modem, shared by the menu item that
// dials and hangs up, the wait screen and the exit.
struct ModemState {
    // What the modem is doing as far as the program knows.
    enum class Line {
        Idle,     // on hook, in command mode
        Dialling, // a dial command went out and no call came up (or none was seen)
        CallHeld, // "CONNECT" came: the modems hold the line
    };

    // The connection is considered up: the menu item hangs up, exit hangs up
    // first.
    bool connected = false;
    // The user asked to stop: the wait screen's button, or Yes to hanging up
    // after a failed call.
    bool stop = false;
    Line line = Line::Idle;
};

} // namespace korven
