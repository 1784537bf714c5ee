#include "link/protocol/modem_commands.h"

namespace korven::modem_command {

QByteArray dial(const QByteArray& number, bool pulses) {
    return (pulses ? QByteArrayLiteral("atdp") : QByteArrayLiteral("atdt")) + number;
}

} // namespace korven::modem_command
