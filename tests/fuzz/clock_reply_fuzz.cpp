#include "whole_reply.h"

#include "link/protocol/clock_reply.h"

using namespace korven;
using namespace korven::fuzz;

namespace {

bool isDigitPairs(const QString& text, QChar separator) {
    if (text.size() != 8 || text[2] != separator || text[5] != separator)
        return false;
    const QString digits = QString(text).remove(separator);
    return std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

// The logger's clock is shown as digit pairs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Parsed<LoggerClock> clock =
        parseWholeReply(data, size, parseClockReply, kClockReplyLength);
    if (clock.isDone())
        require(isDigitPairs(clock.value.date, u'/') && isDigitPairs(clock.value.time, u':'),
                "date and time are digit pairs");
    return 0;
}
