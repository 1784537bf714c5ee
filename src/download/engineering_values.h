#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace korven {

// A channel value as the grid holds it ("+12345": the stored sign and five
// digits) in engineering form, the decimal point put where the channel's
// set-up says: "+12345" with 2 decimals is "123.45", "-00001" is "-0.01",
// and zero has no sign. Empty for a text that is no channel value (a row
// never fetched).
QString engineeringText(const QString& channelText, int decimals);
std::optional<double> engineeringValue(const QString& channelText, int decimals);

// When a block was stored, from the grid's date "dd/mm/yy" (years of this
// century) and time "hh:mm:ss"; invalid for a block never written, whose
// digits read FF. In local time, or as `timeSpec` says.
QDateTime blockMoment(const QString& date, const QString& time,
                      Qt::TimeSpec timeSpec = Qt::LocalTime);

} // namespace korven
