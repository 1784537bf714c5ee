#include "fuzz_input.h"

#include "link/protocol/block_reply.h"

using namespace korven;
using korven::fuzz::bytesOf;
using korven::fuzz::require;

namespace {

bool allOf(const QString& text, bool (*wanted)(QChar)) {
    return std::all_of(text.begin(), text.end(), wanted);
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isUpperHexDigit(QChar c) {
    return isDigit(c) || (c >= u'A' && c <= u'F');
}

// "ab/cd/ef" or "ab:cd:ef" with hexadecimal pairs, as the grid shows them.
bool isThreePairs(const QString& text, QChar separator) {
    return text.size() == 8 && text[2] == separator && text[5] == separator &&
           allOf(QString(text).remove(separator), isUpperHexDigit);
}

bool isChannelText(const QString& text) {
    return text.size() == 6 && (text[0] == u'+' || text[0] == u'-') &&
           allOf(text.mid(1), isDigit) && text.mid(1).toInt() <= 0x7FFF;
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
    require(isThreePairs(text.date, u'/') && isThreePairs(text.time, u':'), "date and time");
    require(text.digital1.size() == 6 && allOf(text.digital1, isUpperHexDigit) &&
                text.digital2.size() == 6 && allOf(text.digital2, isUpperHexDigit),
            "six hexadecimal digits per digital input");
    for (const QString& channel : text.channels)
        require(isChannelText(channel), "a channel is a sign and five digits");
    return 0;
}
