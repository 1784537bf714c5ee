#include "link/protocol/modem_replies.h"

namespace korven {

namespace {

constexpr int kConnectSearch = 5;

} // namespace

bool answersConnect(const QByteArray& answer) {
    const qsizetype at = answer.left(kConnectSearch).indexOf('C');
    return at >= 0 && answer.mid(at, 7) == "CONNECT";
}

bool answersOk(const QByteArray& answer) {
    return answer.mid(2, 2) == "OK";
}

} // namespace korven
