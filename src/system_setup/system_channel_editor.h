#pragma once

#include "platform/prompter.h"
#include "platform/record.h"
#include "system_setup/system_channel_fields.h"

#include <QString>

#include <optional>

namespace korven {

// The system set-up editor without its widgets: one system channel at a time,
// read from and written to the system set-up file, stepped through and copied
// within the channels the installation's loggers have (eight per logger, as
// "Nr. Logger" of the identity file says, read at every step or copy; never
// beyond channel 1024). The screen puts what the user typed into fields()
// before each action and shows fields() and channelCaption() after it.
//
// The editor keeps the record of the channel it last read, so a save writes
// the fields it does not show as that read left them, whatever other screens
// read meanwhile. A channel that could not be read shows empty fields and is
// never saved: stepping away from it moves on without writing.
class SystemChannelEditor {
public:
    static constexpr int kLastChannel = 1024;

    SystemChannelEditor(const QString& systemFilePath, Prompter& prompter);

    // Shows system channel 0, as the screen does when it opens.
    void open();

    // The channel number as the screen shows it: "7" after an action that
    // stays on the channel, "007" after one that moved.
    const QString& channelCaption() const { return caption_; }
    SystemChannelFields& fields() { return fields_; }
    const SystemChannelFields& fields() const { return fields_; }
    // False while the fields hold nothing read from the file.
    bool channelRead() const { return read_; }

    // Green when the channel is active ("ON "), red otherwise.
    bool activationOn() const;
    // Only the field changes; nothing is written until a save.
    void toggleActivation();

    void next();
    void previous();
    void save();
    // Copies the channel shown into the next one and moves there.
    void copyOne();
    // Copies the channel shown into the following channels up to the end of
    // its group of eight (for channel 7, of the next group; from channel 24 on,
    // none), "Numero Canale" counting up by one, and ends on the last one.
    void copyAll();

private:
    // The channel shown; its caption loses any leading zeros.
    int takeChannel();
    std::optional<int> readLoggerCount();
    bool load(int channel);
    bool store(int channel);
    void showMovedTo(int channel);
    bool refuseUnread(int channel);

    QString systemFilePath_;
    Prompter& prompter_;
    Record record_;
    SystemChannelFields fields_;
    QString caption_;
    bool read_ = false;
};

} // namespace korven
