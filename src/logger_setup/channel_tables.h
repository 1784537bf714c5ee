#pragma once

#include <QString>

#include <optional>

namespace korven {

// The code tables of a channel's properties. Both directions are exact text
// matches: a text finds a code only if it equals the table entry character for
// character, blanks included; a code finds a text only if it is listed.

// Decimal masks: the index is the number of decimals (0 to 4).
std::optional<QString> maskText(int decimals);
std::optional<int> maskDecimals(const QString& mask);

// Input types: one-character codes "0" to "9", "A", "B", "C".
std::optional<QString> inputTypeText(const QString& code);
std::optional<QString> inputTypeCode(const QString& text);

// Sensor supply: codes 0 to 4.
std::optional<QString> supplyText(int code);
std::optional<int> supplyCode(const QString& text);

// Units of measure: one-character codes "0" to "7".
std::optional<QString> unitText(const QString& code);
std::optional<QString> unitCode(const QString& text);

// On/off flags are "ON " or "OFF"; sent to a logger as "0" for "OFF", else "1".
inline const QString kFlagOn = QStringLiteral("ON ");
inline const QString kFlagOff = QStringLiteral("OFF");

} // namespace korven
