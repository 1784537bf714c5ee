#pragma once

#include <QByteArray>

class QWidget;

namespace korven {

class TransmissionScreen;
struct Session;

// Hands the operation `code` with `command` to a new "Trasmissione" screen,
// shown beside `caller`, where the user types the logger's code.
TransmissionScreen* openTransmission(Session& session, QWidget* caller, int code,
                                     const QByteArray& command = {});

} // namespace korven
