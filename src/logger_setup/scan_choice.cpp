#include "logger_setup/scan_choice.h"

#include "logger_setup/logger_setup_layouts.h"
#include "platform/numeric_text.h"

#include <cmath>

namespace korven {

namespace {

std::optional<int> optionIndex(const QString& field, int options) {
    const double value = leadingNumber(field);
    if (value != std::floor(value) || value < 0 || value >= options)
        return std::nullopt;
    return static_cast<int>(value);
}

void storeDigits(const std::optional<int>& index, int digits, TextField field, Record& par) {
    if (index)
        par.setText(field, QString::number(*index).rightJustified(digits, u'0').right(digits));
}

} // namespace

ScanChoice scanChoiceOf(const Record& par) {
    using L = LoggerParLayout;
    return {optionIndex(par.text(L::acquisitionFlag), 2), optionIndex(par.text(L::sleepFlag), 2),
            optionIndex(par.text(L::scanCode), kScanIntervals)};
}

void storeScanChoice(const ScanChoice& choice, Record& par) {
    using L = LoggerParLayout;
    storeDigits(choice.interval, 2, L::scanCode, par);
    storeDigits(choice.sleep, 1, L::sleepFlag, par);
    storeDigits(choice.acquisition, 1, L::acquisitionFlag, par);
}

} // namespace korven
