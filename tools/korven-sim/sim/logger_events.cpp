#include "sim/logger_events.h"

namespace korven::sim {

QByteArray printable(const QByteArray& bytes) {
    QByteArray text;
    for (char c : bytes) {
        const auto byte = static_cast<quint8>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\')
            text.append(c);
        else
            text.append("\\x" + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper());
    }
    return text;
}

} // namespace korven::sim
