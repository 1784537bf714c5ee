#include "system_setup/configuration_values.h"

#include "platform/numeric_text.h"

#include <cmath>

namespace korven {
namespace {

constexpr int kLastBlockLimit = 4099;
const QString kZero = QStringLiteral("0");

} // namespace

std::optional<qint16> fieldValue(const QString& text) {
    const double rounded = std::nearbyint(leadingNumber(text));
    if (rounded < -32768 || rounded > 32767)
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

FieldCheck checkLastBlock(const QString& text) {
    if (text == kZero)
        return {text, false};
    const std::optional<qint16> value = fieldValue(text);
    if (!value || *value == 0 || *value > kLastBlockLimit)
        return {kZero, true};
    return {QString::number(*value), false};
}

FieldCheck checkLoggerCount(const QString& text) {
    if (text == kZero)
        return {text, false};
    const std::optional<qint16> value = fieldValue(text);
    if (!value || *value == 0)
        return {kZero, true};
    return {QString::number(*value), false};
}

} // namespace korven
