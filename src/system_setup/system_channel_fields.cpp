#include "system_setup/system_channel_fields.h"

#include "logger_setup/channel_tables.h"
#include "platform/numeric_text.h"
#include "system_setup/system_channel_layout.h"

namespace korven {
namespace {

using L = SystemChannelLayout;

const QString kDirect = QStringLiteral("Diretto ");
const QString kLinear = QStringLiteral("A*x+B  s");
constexpr int kFirstTableCode = 2;
constexpr int kLastTable = 30;

} // namespace

QStringList treatmentChoices() {
    return {kDirect, kLinear};
}

QStringList maskChoices() {
    QStringList masks;
    for (int d = 0; maskText(d); ++d)
        masks.append(*maskText(d));
    return masks;
}

QStringList unitChoices() {
    return {QStringLiteral("    "), QStringLiteral("H.R."), QStringLiteral("Km  "),
            QStringLiteral("W   "), QStringLiteral("K   "), QStringLiteral("deg "),
            QStringLiteral("m   "), QStringLiteral("mm  "), QStringLiteral("Bar "),
            QStringLiteral("A   "), QStringLiteral("mA  "), QStringLiteral("V   "),
            QStringLiteral("mV  "), QStringLiteral("PSI "), QStringLiteral("T   "),
            QStringLiteral("P   "), QStringLiteral("Kg  ")};
}

std::optional<QString> treatmentText(int code) {
    if (code == 0)
        return kDirect;
    if (code == 1)
        return kLinear;
    if (code >= kFirstTableCode && code <= kFirstTableCode + kLastTable)
        return QStringLiteral("Tab. %1").arg(code - kFirstTableCode);
    return std::nullopt;
}

std::optional<int> treatmentCode(const QString& text) {
    for (int code = 0; code <= kFirstTableCode + kLastTable; ++code) {
        if (treatmentText(code) == text)
            return code;
    }
    return std::nullopt;
}

void showSystemChannel(const Record& record, SystemChannelFields& fields) {
    fields.activation = record.text(L::activation);
    fields.gain = record.text(L::gain);
    fields.zero = record.text(L::zero);
    fields.description = record.text(L::description);
    fields.moduleCode = record.text(L::moduleCode);
    fields.moduleChannel = record.text(L::moduleChannel);
    const double code = leadingNumber(record.text(L::treatmentCode));
    if (code == static_cast<int>(code))
        fields.treatment = treatmentText(static_cast<int>(code)).value_or(fields.treatment);
    fields.mask = maskText(record.integer(L::decimalMaskIndex)).value_or(fields.mask);
    fields.unit = record.text(L::unit);
}

void storeSystemChannel(const SystemChannelFields& fields, Record& record) {
    record.setText(L::activation, fields.activation);
    record.setText(L::gain, fields.gain);
    record.setText(L::zero, fields.zero);
    record.setText(L::description, fields.description);
    record.setText(L::moduleCode, fields.moduleCode);
    record.setText(L::moduleChannel, fields.moduleChannel);
    record.setText(L::unit, fields.unit);
    const int code = treatmentCode(fields.treatment)
                         .value_or(static_cast<int>(leadingNumber(record.text(L::treatmentCode))));
    record.setText(L::treatmentCode, QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')));
    if (const std::optional<int> index = maskDecimals(fields.mask))
        record.setInteger(L::decimalMaskIndex, static_cast<qint16>(*index));
}

} // namespace korven
