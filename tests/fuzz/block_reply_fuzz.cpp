#include "fuzz_input.h"

#include "link/protocol/block_reply.h"

#include <QRegularExpression>

using namespace korven;
using korven::fuzz::bytesOf;
using korven::fuzz::require;

namespace {

bool isWhole(const char* pattern, const QString& text) {
    return QRegularExpression(QRegularExpression::anchoredPattern(QLatin1String(pattern)))
        .match(text)
        .hasMatch();
}

} // namespace

// Whatever comes down the line, a block reply is waited for until its CR, and
// a row is only ever made of well-formed fields.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView received = bytesOf(data, size);
    const Parsed<BlockText> block = parseBlockReply(received);
    const qsizetype end = received.indexOf('\r');
    require((end < 0) == (block.state == ParseState::NeedMore),
            "only a reply without CR needs more");
    if (end < 0)
        return 0;
    require(parseBlockReply(received.first(end)).state == ParseState::NeedMore,
            "the reply up to its CR needs more");
    require(parseBlockReply(received.first(end + 1)).state == block.state,
            "what follows the CR does not change the reply");
    if (!block.isDone())
        return 0;
    require(end == kBlockReplyLength - 1 || end == kBlockReplyLength - 2,
            "a good reply has the block's length, with or without its last separator");
    const BlockText& text = block.value;
    require(isWhole("([0-9A-F]{2}/){2}[0-9A-F]{2}", text.date) &&
                isWhole("([0-9A-F]{2}:){2}[0-9A-F]{2}", text.time),
            "date and time as hexadecimal pairs");
    require(isWhole("[0-9A-F]{6}", text.digital1) && isWhole("[0-9A-F]{6}", text.digital2),
            "six hexadecimal digits per digital input");
    for (const QString& channel : text.channels)
        require(isWhole("[+-][0-9]{5}", channel) && channel.mid(1).toInt() <= 0x7FFF,
                "a channel is a sign and five digits");
    return 0;
}
