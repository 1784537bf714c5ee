#include "link/protocol/commands.h"

#include "link/protocol/block_reply.h"

namespace korven::command {

namespace {

constexpr int kBurstLength = 200;
constexpr int kFirstAddress = 128;

} // namespace

QByteArray wakeBurst() {
    return QByteArray(kBurstLength, '\xFF');
}

QByteArray address(int loggerNumber) {
    return QByteArray(1, static_cast<char>(kFirstAddress + loggerNumber));
}

QByteArray blockRequest(int block) {
    const int wrapped = ((block % kBlockNumberModulo) + kBlockNumberModulo) % kBlockNumberModulo;
    return 'S' + QByteArray::number(wrapped, 16).toUpper().rightJustified(3, '0');
}

QByteArray clockSetting(const QDateTime& moment) {
    return 'G' + moment.toString(QStringLiteral("yyMMddHHmmss")).toLatin1();
}

QByteArray scanSetting(int interval, int sleep) {
    return 'M' + QByteArray::number(interval) + QByteArray::number(sleep);
}

QByteArray channelReading(int channel, int digits) {
    return 'F' + QByteArray::number(channel).rightJustified(digits, '0');
}

} // namespace korven::command
