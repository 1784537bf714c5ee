#include "sim/setup_dump.h"

#include "sim/logger_brain.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace korven::sim {

namespace {

QString text(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

QString code(char c) {
    return QString(QLatin1Char(c));
}

} // namespace

QByteArray setupDump(const LoggerBrain& logger) {
    QJsonArray channels;
    for (int index = 0; index < kAnalogChannels; ++index) {
        const ChannelParameters& p = logger.channel(index);
        channels.append(QJsonObject{
            {QStringLiteral("channel"), index},
            {QStringLiteral("received"), logger.channelReceived(index)},
            {QStringLiteral("description"), text(p.description)},
            {QStringLiteral("unit"), code(p.unit)},
            {QStringLiteral("inputType"), code(p.inputType)},
            {QStringLiteral("decimals"), p.decimals},
            {QStringLiteral("supply"), code(p.supply)},
            {QStringLiteral("active"), p.active},
            {QStringLiteral("scaling"), p.scaling},
            {QStringLiteral("gain"), text(signedFiveDigits(p.gain))},
            {QStringLiteral("zero"), text(signedFiveDigits(p.zero))},
        });
    }
    const QJsonObject dump{
        {QStringLiteral("channelCount"), logger.channelCount()},
        {QStringLiteral("scanCode"), logger.scanCode()},
        {QStringLiteral("autoSleep"), logger.sleepCode()},
        {QStringLiteral("acquiring"), logger.isAcquiring()},
        {QStringLiteral("clock"), logger.clock().toString(Qt::ISODate)},
        {QStringLiteral("nextBlock"), logger.nextBlock()},
        {QStringLiteral("channels"), channels},
    };
    return QJsonDocument(dump).toJson(QJsonDocument::Indented);
}

} // namespace korven::sim
