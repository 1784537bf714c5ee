#include "fuzz_input.h"

#include "link/protocol/hex_value.h"

using namespace korven;
using korven::fuzz::bytesOf;
using korven::fuzz::require;

// A number read from a reply is its first four upper-case hexadecimal digits,
// or nothing at all.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView text = bytesOf(data, size);
    const std::optional<int> value = hexToValue(text);
    const QByteArray digits = text.first(std::min<qsizetype>(text.size(), 4)).toByteArray();
    const bool wellFormed = digits.size() == 4 && digits == digits.toUpper() &&
                            std::all_of(digits.begin(), digits.end(), [](char c) {
                                return std::isxdigit(static_cast<unsigned char>(c));
                            });
    require(value.has_value() == wellFormed, "a value exactly for four upper-case digits");
    if (value)
        require(*value == digits.toInt(nullptr, 16), "the digits' value");
    return 0;
}
