#pragma once

#include "logger_setup/logger_setup_files.h"

#include <QString>

#include <array>

namespace korven {

// The texts of one row of the channel editor, as the editor shows them.
struct ChannelRowTexts {
    QString activation;  // "ON " / "OFF"
    QString scaling;     // "ON " / "OFF"
    QString description;
    QString mask;        // "*****." ... "*.****"
    QString gain;        // displayed form, point included
    QString zero;
    QString inputType;   // "20mV" ...
    QString supply;      // "----" ...
    QString unit;        // "V" ...
};

using ChannelRows = std::array<ChannelRowTexts, LoggerChannelLayout::channels>;

// Fills the rows from records 1 to 8 of the channel file. A code missing from
// its table leaves that text of the row as it was.
FileStatus loadChannelSetup(const QString& loggerSetupPath, LoggerSetupRecords& records,
                            ChannelRows& rows);

// Writes records 1 to 8 of the channel file from the rows, all eight always. A
// text that is in no table carries over the value found for the channel before;
// for channel 0 the decimals carry over `lastDecimals` and the other codes are 0.
// `lastDecimals` comes back as the decimals of the last channel.
FileStatus saveChannelSetup(const QString& loggerSetupPath, LoggerSetupRecords& records,
                            const ChannelRows& rows, int& lastDecimals);

} // namespace korven
