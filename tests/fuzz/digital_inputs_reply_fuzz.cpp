#include "fuzz_input.h"

#include "link/protocol/reading_reply.h"

using namespace korven;
using namespace korven::fuzz;

// The digital inputs are six contacts each.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Parsed<DigitalInputsReading> inputs =
        parseWholeReply(data, size, parseDigitalInputsReply, kDigitalInputsReplyLength);
    if (inputs.isDone())
        require(inputs.value.input1.size() == 6 && inputs.value.input2.size() == 6,
                "six contacts per input");
    return 0;
}
