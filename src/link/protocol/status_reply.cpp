#include "link/protocol/status_reply.h"

#include "link/protocol/hex_value.h"

#include <QByteArray>

namespace korven {

Parsed<int> parseStatusReply(QByteArrayView received) {
    if (received.size() < kStatusReplyLength)
        return Parsed<int>::needMore();
    const auto next =
        hexToValue(received.sliced(3, 2).toByteArray() + received.sliced(6, 2).toByteArray());
    return next ? Parsed<int>::done(*next) : Parsed<int>::bad();
}

} // namespace korven
