#include "logger_setup/screens/open_transmission.h"

#include "link/screens/transmission_screen.h"
#include "platform/widgets/screen_frame.h"
#include "session/session.h"

namespace korven {

TransmissionScreen* openTransmission(Session& session, QWidget* caller, int code,
                                     const QByteArray& command) {
    session.transmission = TransmissionHandOff{code, command};
    auto* screen = new TransmissionScreen(session);
    showBeside(caller, screen);
    return screen;
}

} // namespace korven
