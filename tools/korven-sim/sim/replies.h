#pragma once

#include "sim/logger_inputs.h"

#include <QByteArray>
#include <QDateTime>

#include <array>

namespace korven::sim {

// The texts the logger answers with. All are fixed-length ASCII; the program
// takes their fields by position, so every length here matters.

// What one stored block holds.
struct BlockContent {
    QDateTime time;
    DigitalInputs digital{};
    std::array<int, kAnalogChannels> readings{};
};

// How a block reply lays out its 32 bytes: two hexadecimal digits each,
// followed by a separator. Loggers differ in whether the last byte has one
// (96 characters before the CR) or not (95), and in the separator itself.
struct BlockForm {
    char separator = ' ';
    bool separatorAfterLast = false;
};

// What the logger tells about itself in answer to "j".
struct LoggerStatus {
    int code = 0;
    int nextBlock = 0;
    int capacity = 0;
    int channelCount = 0;
    int scanCode = 0;
    int sleepCode = 0;
};

// Bytes as two upper-case hexadecimal digits each, separated by single blanks.
QByteArray hexText(const QByteArray& bytes);

// "S": 32 bytes in hexadecimal text laid out as `form` says, then CR.
QByteArray blockReply(const BlockContent& block, const BlockForm& form);
// "S" for a block not written yet: 32 bytes of FF, laid out the same way.
QByteArray unwrittenBlockReply(const BlockForm& form);
// "j": 16 bytes in hexadecimal text, no terminator (47 characters).
QByteArray statusReply(const LoggerStatus& status);
// "H": YYMMDDhhmmss, then CR (13 characters).
QByteArray clockReply(const QDateTime& clock);
// "F": the displayed reading, in full or short, padded with blanks to 8
// characters, then CR.
QByteArray readingReply(int value, int decimals, bool shortForm = false);
// "A0": 133 groups of two hexadecimal digits and a blank, then CR (400
// characters).
QByteArray digitalInputsReply(const DigitalInputs& digital);

} // namespace korven::sim
