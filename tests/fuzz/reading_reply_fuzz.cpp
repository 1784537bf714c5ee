#include "fuzz_input.h"

#include "link/protocol/reading_reply.h"

using namespace korven;
using namespace korven::fuzz;

// A live reading is shown as it came, every character of it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Parsed<QString> reading =
        parseWholeReply(data, size, parseReadingReply, kReadingReplyLength);
    if (reading.isDone())
        require(reading.value.size() == static_cast<qsizetype>(size), "one character per byte");
    return 0;
}
