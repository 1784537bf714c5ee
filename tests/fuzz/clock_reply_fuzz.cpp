#include "fuzz_input.h"

#include "link/protocol/clock_reply.h"

#include <QRegularExpression>

using namespace korven;
using namespace korven::fuzz;

// The logger's clock is shown as digit pairs.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Parsed<LoggerClock> clock =
        parseWholeReply(data, size, parseClockReply, kClockReplyLength);
    static const QRegularExpression date(QStringLiteral("^[0-9]{2}/[0-9]{2}/[0-9]{2}$"));
    static const QRegularExpression time(QStringLiteral("^[0-9]{2}:[0-9]{2}:[0-9]{2}$"));
    if (clock.isDone())
        require(date.match(clock.value.date).hasMatch() && time.match(clock.value.time).hasMatch(),
                "date and time are digit pairs");
    return 0;
}
