#pragma once

#include "link/protocol/block_reply.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdio>

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

// The logger's clock knows no time zone. The archive holds its times as they
// read, in UTC form, so that no zone rule (daylight saving) moves or doubles
// them, and no time is looked up in the zone database.
inline QDateTime loggerTime(const QDate& day, const QTime& at) {
    return QDateTime(day, at, Qt::UTC);
}
// A logger time as the screens show and take it, in local form.
inline QDateTime shownTime(const QDateTime& moment) {
    return QDateTime(moment.date(), moment.time());
}

// How the archive writes a logger time: sortable text, the same in every
// database and in the CSV.
// Written by hand: every stored block takes one, and the calendar's general
// formatter costs more than the insert.
inline QString archiveTime(const QDateTime& moment) {
    const QDate day = moment.date();
    const QTime at = moment.time();
    if (!day.isValid() || !at.isValid())
        return {};
    char text[24];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", day.year(), day.month(),
                  day.day(), at.hour(), at.minute(), at.second());
    return QString::fromLatin1(text);
}
// Read by position: "yyyy-MM-ddTHH:mm:ss".
inline QDateTime fromArchiveTime(QStringView text) {
    const auto number = [text](int from, int length) { return text.mid(from, length).toInt(); };
    if (text.size() != 19)
        return {};
    return loggerTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                      QTime(number(11, 2), number(14, 2), number(17, 2)));
}

} // namespace korven
