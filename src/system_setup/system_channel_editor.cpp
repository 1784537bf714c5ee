#include "system_setup/system_channel_editor.h"

#include "logger_setup/channel_tables.h"
#include "platform/file_failure_text.h"
#include "platform/numeric_text.h"
#include "platform/record_file.h"
#include "system_setup/system_channel_layout.h"
#include "system_setup/system_editor_texts.h"
#include "system_setup/system_setup_files.h"

namespace korven {
namespace {

constexpr int kChannelsPerLogger = 8;

// Stepping or copying moves on only while the channel shown is before the
// last one the loggers have.
bool isLastOrBeyond(int channel, int loggers) {
    return channel > kChannelsPerLogger * loggers - 2;
}

// A channel moved to is shown with three digits.
QString movedCaption(int channel) {
    return QStringLiteral("%1").arg(channel, 3, 10, QLatin1Char('0'));
}

int following(int channel) {
    return channel >= SystemChannelEditor::kLastChannel ? SystemChannelEditor::kLastChannel
                                                        : channel + 1;
}

// "Copia tutti" fills up to the end of a group of eight; channel 7 fills the
// next group, and from channel 24 on there is nothing to fill.
std::optional<int> lastCopyTarget(int channel) {
    if (channel < 7)
        return 7;
    if (channel < 15)
        return 15;
    if (channel < 24)
        return 23;
    return std::nullopt;
}

} // namespace

SystemChannelEditor::SystemChannelEditor(const QString& systemFilePath, Prompter& prompter)
    : systemFilePath_(systemFilePath), prompter_(prompter),
      record_(SystemChannelLayout::recordLength) {}

void SystemChannelEditor::open() {
    caption_ = QStringLiteral("0");
    load(0);
}

bool SystemChannelEditor::activationOn() const {
    return fields_.activation == kFlagOn;
}

void SystemChannelEditor::toggleActivation() {
    fields_.activation = activationOn() ? kFlagOff : kFlagOn;
}

void SystemChannelEditor::next() {
    const int n = takeChannel();
    const std::optional<int> loggers = readLoggerCount();
    if (!loggers || isLastOrBeyond(n, *loggers))
        return;
    if (read_ && !store(n))
        return;
    showMovedTo(following(n));
}

void SystemChannelEditor::previous() {
    const int n = takeChannel();
    if (read_ && !store(n))
        return;
    showMovedTo(n <= 0 ? 0 : n - 1);
}

void SystemChannelEditor::save() {
    const int n = takeChannel();
    if (!refuseUnread(n))
        store(n);
}

void SystemChannelEditor::copyOne() {
    const int n = takeChannel();
    if (refuseUnread(n))
        return;
    const std::optional<int> loggers = readLoggerCount();
    if (!loggers)
        return;
    if (isLastOrBeyond(n, *loggers)) {
        prompter_.message(system_editor_texts::maxChannels +
                              QString::number(kChannelsPerLogger * *loggers),
                          MessageIcon::Critical);
        return;
    }
    if (!store(n))
        return;
    const int target = following(n);
    caption_ = movedCaption(target);
    // The fields still hold channel n's values, "Numero Canale" included.
    if (store(target))
        load(target);
}

void SystemChannelEditor::copyAll() {
    const int n = takeChannel();
    if (refuseUnread(n) ||
        !prompter_.askYesNo(system_editor_texts::copyAllQuestion.arg(n), MessageIcon::None, true) ||
        !store(n))
        return;
    const std::optional<int> loggers = readLoggerCount();
    const std::optional<int> last = lastCopyTarget(n);
    if (!loggers || !last)
        return;
    int channel = n;
    for (int copies = *last - n; copies > 0; --copies) {
        if (isLastOrBeyond(channel, *loggers))
            return;
        channel = following(channel);
        caption_ = movedCaption(channel);
        const int moduleChannel = static_cast<int>(leadingNumber(fields_.moduleChannel)) + 1;
        fields_.moduleChannel = QStringLiteral("%1").arg(moduleChannel, 4, 10, QLatin1Char('0'));
        if (!store(channel) || !load(channel))
            return;
    }
}

int SystemChannelEditor::takeChannel() {
    const int n = static_cast<int>(leadingNumber(caption_));
    caption_ = QString::number(n);
    return n;
}

std::optional<int> SystemChannelEditor::readLoggerCount() {
    const RecordFile file(identityFilePath(systemFilePath_), IdentityLayout::recordLength);
    Record identity(IdentityLayout::recordLength);
    if (FileStatus status = file.readExisting(1, identity); !status) {
        prompter_.message(fileFailureText(file.path(), status.error), MessageIcon::Critical);
        return std::nullopt;
    }
    return loggerCountOf(identity);
}

bool SystemChannelEditor::load(int channel) {
    const RecordFile file(systemFilePath_, SystemChannelLayout::recordLength);
    Record record(SystemChannelLayout::recordLength);
    if (FileStatus status = file.readExisting(channel + 1, record); !status) {
        read_ = false;
        fields_ = {};
        prompter_.message(fileFailureText(file.path(), status.error), MessageIcon::Critical);
        return false;
    }
    record_ = record;
    read_ = true;
    showSystemChannel(record_, fields_);
    return true;
}

bool SystemChannelEditor::store(int channel) {
    storeSystemChannel(fields_, record_);
    const RecordFile file(systemFilePath_, SystemChannelLayout::recordLength);
    if (FileStatus status = file.write(channel + 1, record_); !status) {
        prompter_.message(fileFailureText(file.path(), status.error), MessageIcon::Critical);
        return false;
    }
    return true;
}

void SystemChannelEditor::showMovedTo(int channel) {
    caption_ = movedCaption(channel);
    load(channel);
}

bool SystemChannelEditor::refuseUnread(int channel) {
    if (read_)
        return false;
    prompter_.message(system_editor_texts::channelNotRead.arg(channel), MessageIcon::Critical);
    return true;
}

} // namespace korven
