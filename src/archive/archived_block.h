#pragma once

#include "link/protocol/block_reply.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>

namespace korven {

// One channel of an archived block: what the logger stored, and what it meant
// under the set-up of the day it was downloaded.
struct ArchivedChannel {
    QString stored;      // "+12345", as the grid and the block table show it
    QString value;       // engineering form, the channel's decimals applied: "123.45"
    QString description; // the channel's description and unit at download time
    QString unit;
};

// A block as the archive keeps it. A block is known by its station, the
// logger's time and its number: the numbers wrap, the times do not repeat
// with them.
struct ArchivedBlock {
    QString station;
    QDateTime loggedAt; // the logger's clock
    int block = 0;      // 0 to 65535, as the logger counts
    QString digital1;   // as the grid shows them: empty for an input switched off
    QString digital2;
    std::array<ArchivedChannel, kAnalogChannels> channels;
    QByteArray line; // the block's line of the block table, byte for byte
};

// How the archive writes a logger time: sortable text, the same in every
// database.
inline QString archiveTime(const QDateTime& moment) {
    return moment.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}
inline QDateTime fromArchiveTime(const QString& text) {
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

} // namespace korven
