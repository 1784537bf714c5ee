#include "fuzz_input.h"

#include "link/protocol/status_reply.h"

using namespace korven;
using namespace korven::fuzz;

// The status reply gives a block number of four hexadecimal digits or nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Parsed<int> next = parseWholeReply(data, size, parseStatusReply, kStatusReplyLength);
    if (next.isDone())
        require(next.value >= 0 && next.value <= 0xFFFF, "the next block has four digits");
    return 0;
}
