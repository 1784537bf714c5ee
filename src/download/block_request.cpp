#include "download/block_request.h"

namespace korven {

namespace {

constexpr int kLimitSeconds = 5;
constexpr char kCarriageReturn = '\r';
// A block reply: 95 characters and its CR.
constexpr int kReplyLength = 96;
// The longest the wait rests at a time while the reply is still on the line:
// short enough for nobody to notice, and the reply is taken in a few large
// pieces rather than waking for every character.
constexpr int kLongestRestMs = 20;
constexpr int kBitsPerCharacter = 11;

// How long `characters` take on the line at the port's speed, at least.
int lineMs(const SerialPort& port, qsizetype characters) {
    const int baud = port.lineSettings().section(u',', 0, 0).toInt();
    return baud > 0 ? static_cast<int>(characters * kBitsPerCharacter * 1000 / baud) : 0;
}

// Reads what is waiting; tells whoever listens that the logger was heard.
QByteArray take(Conversation& conversation, const std::function<void()>& heardFromLogger) {
    QByteArray arrived = conversation.receive();
    if (!arrived.isEmpty() && heardFromLogger)
        heardFromLogger();
    return arrived;
}

// The address byte and its "!". Everything waiting is read in each round, so
// a "!" that comes with other characters is thrown away with them and the
// wait goes on.
BlockOutcome addressLogger(Conversation& conversation,
                           const std::function<void()>& heardFromLogger) {
    // The tail of an earlier reply that came too late is not this block's.
    conversation.receive();
    // The logger answers at once, so there is no pause before the wait: a
    // download runs at the speed of the line.
    conversation.sendAddress(0);
    conversation.resetSeconds();
    bool heard = false;
    while (conversation.pump()) {
        if (conversation.ticks().secondTicks() > kLimitSeconds)
            return heard ? BlockOutcome::CutShort : BlockOutcome::Silent;
        const QByteArray arrived = take(conversation, heardFromLogger);
        if (arrived == "!")
            return BlockOutcome::Ok;
        heard = heard || !arrived.isEmpty();
    }
    return BlockOutcome::Stopped;
}

} // namespace

BlockReply requestBlockText(Conversation& conversation, int block,
                            const std::function<void()>& heardFromLogger) {
    if (const BlockOutcome addressed = addressLogger(conversation, heardFromLogger);
        addressed != BlockOutcome::Ok)
        return {addressed, {}};

    conversation.sendCommand(shortBlockRequest(block));
    conversation.resetSeconds();
    QByteArray reply;
    while (conversation.pump()) {
        if (conversation.ticks().secondTicks() > kLimitSeconds)
            return {BlockOutcome::CutShort, {}};
        // Whatever is waiting is taken in one read; the reply ends at its CR.
        reply += take(conversation, heardFromLogger);
        const qsizetype end = reply.indexOf(kCarriageReturn);
        if (end < 0) {
            const int stillOnTheLineMs = lineMs(conversation.port(), kReplyLength - reply.size());
            if (stillOnTheLineMs > 1)
                conversation.ticks().rest(qMin(stillOnTheLineMs, kLongestRestMs));
            continue;
        }
        auto text = parseBlockText(QByteArrayView(reply).first(end));
        if (!text)
            return {BlockOutcome::Malformed, {}};
        return {BlockOutcome::Ok, std::move(text)};
    }
    return {BlockOutcome::Stopped, {}};
}

} // namespace korven
