#include "sim/at_commands.h"

#include <QtGlobal>

#include <array>
#include <cctype>

namespace korven::sim {

namespace {

struct SettingRange {
    const char* name;
    int highest;
    int lowest = 0;
};

// Settings a modem takes without their changing anything on this line.
// "V" only as V1: results are always words; "Q" only as Q0: always shown.
constexpr std::array<SettingRange, 11> kSettings{{
    {"&C", 1},
    {"&D", 3},
    {"&K", 6},
    {"&R", 1},
    {"&F", 0},
    {"&W", 1},
    {"L", 3},
    {"M", 3},
    {"Q", 0},
    {"V", 1, 1},
    {"X", 4},
}};

constexpr int kHighestRegister = 255;
constexpr int kHighestRegisterValue = 255;

class Reader {
public:
    explicit Reader(const QByteArray& text) : text_(text.toUpper()) {}

    bool atEnd() {
        skipBlanks();
        return at_ >= text_.size();
    }
    char next() { return text_.at(at_++); }
    bool take(char c) {
        skipBlanks();
        if (at_ < text_.size() && text_.at(at_) == c) {
            ++at_;
            return true;
        }
        return false;
    }
    // A decimal number, `fallback` when none is written.
    std::optional<int> number(int fallback) {
        skipBlanks();
        if (at_ >= text_.size() || !std::isdigit(static_cast<unsigned char>(text_.at(at_))))
            return fallback;
        int value = 0;
        while (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_.at(at_)))) {
            value = value * 10 + (text_.at(at_++) - '0');
            if (value > 9999)
                return std::nullopt;
        }
        return value;
    }
    // The rest of the line as it was typed, without the blanks around it.
    QByteArray rest(const QByteArray& original) {
        const QByteArray tail = original.mid(at_).trimmed();
        at_ = text_.size();
        return tail;
    }

private:
    void skipBlanks() {
        while (at_ < text_.size() && text_.at(at_) == ' ')
            ++at_;
    }

    QByteArray text_;
    qsizetype at_ = 0;
};

std::optional<AtCommand> digitCommand(AtCommand::Kind kind, Reader& reader, int highest) {
    const auto digit = reader.number(0);
    if (!digit || *digit > highest)
        return std::nullopt;
    AtCommand command;
    command.kind = kind;
    command.number = *digit;
    return command;
}

std::optional<AtCommand> setting(const QByteArray& name, Reader& reader) {
    for (const SettingRange& range : kSettings) {
        if (name != range.name)
            continue;
        const auto digit = reader.number(0);
        if (!digit || *digit < range.lowest || *digit > range.highest)
            return std::nullopt;
        AtCommand command;
        command.number = *digit;
        return command;
    }
    return std::nullopt;
}

std::optional<AtCommand> registerCommand(Reader& reader) {
    const auto number = reader.number(-1);
    if (!number || *number < 0 || *number > kHighestRegister)
        return std::nullopt;
    AtCommand command;
    command.number = *number;
    if (reader.take('?')) {
        command.kind = AtCommand::Kind::ShowRegister;
        return command;
    }
    const auto value = reader.take('=') ? reader.number(-1) : std::nullopt;
    if (!value || *value < 0 || *value > kHighestRegisterValue)
        return std::nullopt;
    command.kind = AtCommand::Kind::SetRegister;
    command.value = *value;
    return command;
}

std::optional<AtCommand> dial(Reader& reader, const QByteArray& original) {
    AtCommand command;
    command.kind = AtCommand::Kind::Dial;
    if (reader.take('P'))
        command.dialMethod = 'P';
    else
        reader.take('T');
    command.dialNumber = reader.rest(original);
    if (command.dialNumber.isEmpty())
        return std::nullopt;
    return command;
}

} // namespace

std::optional<QList<AtCommand>> parseAtCommands(const QByteArray& afterAt) {
    QList<AtCommand> commands;
    Reader reader(afterAt);
    while (!reader.atEnd()) {
        const char letter = reader.next();
        std::optional<AtCommand> command;
        switch (letter) {
        case 'E':
            command = digitCommand(AtCommand::Kind::Echo, reader, 1);
            break;
        case 'H':
            command = digitCommand(AtCommand::Kind::HangUp, reader, 0);
            break;
        case 'O':
            command = digitCommand(AtCommand::Kind::Online, reader, 0);
            break;
        case 'Z':
            command = digitCommand(AtCommand::Kind::Reset, reader, 0);
            break;
        case 'S':
            command = registerCommand(reader);
            break;
        case 'D':
            command = dial(reader, afterAt);
            break;
        case '&':
            command =
                reader.atEnd() ? std::nullopt : setting(QByteArray("&") + reader.next(), reader);
            break;
        default:
            command = setting(QByteArray(1, letter), reader);
        }
        if (!command)
            return std::nullopt;
        commands.append(*command);
    }
    return commands;
}

} // namespace korven::sim
