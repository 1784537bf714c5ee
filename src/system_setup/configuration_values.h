#pragma once

#include <QString>

#include <optional>

namespace korven {

// What leaving a field of "Configurazione" makes of its text: the text it
// shows afterwards, and whether the user is told the value was not valid.
struct FieldCheck {
    QString text;
    bool invalid = false;
};

// The leading number of a text as a 16-bit integer (a text without one is 0);
// empty when it does not fit 16 bits.
std::optional<qint16> fieldValue(const QString& text);

// "Ultimo blocco": a number from 1 to 4099, or "0"; anything else becomes "0".
FieldCheck checkLastBlock(const QString& text);
// "Nr. Logger": any number that fits 16 bits; "0" passes here and is refused
// only on saving.
FieldCheck checkLoggerCount(const QString& text);

} // namespace korven
