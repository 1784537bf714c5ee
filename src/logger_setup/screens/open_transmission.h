#pragma once

#include "link/transmission.h"

class QWidget;

namespace korven {

class TransmissionScreen;
struct Session;

// Hands `order` to a new "Trasmissione" window, shown beside `caller`, where
// the user types the logger's code. One such window at a time: while one is
// open it comes to the front instead, and nullptr is returned.
TransmissionScreen* openTransmission(Session& session, QWidget* caller, TransmissionOrder order);

// Brings the "Trasmissione" window open already to the front; false when
// there is none.
bool raiseOpenTransmission();

} // namespace korven
