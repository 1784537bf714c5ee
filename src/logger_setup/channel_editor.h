#pragma once

#include "logger_setup/channel_setup.h"
#include "logger_setup/logger_setup_files.h"

#include <QString>
#include <QStringList>

namespace korven {

// The choices of the editor's four lists, in the order the editor shows them
// (not the order of the codes).
QStringList editorMaskChoices();
QStringList editorSupplyChoices();
QStringList editorInputTypeChoices();
QStringList editorUnitChoices();

// An on/off cell: "ON " shows green, anything else red; a click turns "ON "
// into "OFF" and anything else (the zero bytes of a set never saved too) into
// "ON ".
bool isFlagOn(const QString& caption);
QString toggledFlag(const QString& caption);

// The channel editor without its widgets: the eight rows of the channel file,
// the two digital inputs and the channel count of the general record. The
// screen puts what the user typed or chose into rows() as it changes and shows
// rows() after each action.
//
// Any change forbids sending until the next save, so what is sent is always
// what lies on disk and what the user sees.
class ChannelEditor {
public:
    explicit ChannelEditor(LoggerSetupRecords& records) : records_(records) {}

    // Reads the general record and the eight channel records of the set at
    // `loggerSetupPath`. A file that cannot be read ends it; the error names
    // the file.
    FileStatus open(const QString& loggerSetupPath);

    ChannelRows& rows() { return rows_; }
    const ChannelRows& rows() const { return rows_; }
    const QString& digitalFlag(int input) const { return input == 1 ? digital1_ : digital2_; }
    bool fourChannels() const { return fourChannels_; }
    // Rows 4 to 7 are hidden in the four-channel view; they keep their texts.
    int rowsShown() const { return fourChannels_ ? 4 : LoggerChannelLayout::channels; }
    bool sendAllowed() const { return sendAllowed_; }

    // A description, list choice or typed value changed.
    void edited() { sendAllowed_ = false; }
    void toggleActivation(int row);
    void toggleScaling(int row);
    void toggleDigital(int input);
    void chooseChannelCount(bool fourChannels);
    // A new mask moves the point of the row's gain and zero; the digits stay.
    void chooseMask(int row, const QString& mask);

    // The user left the gain or the zero of a row: the value is validated and
    // shown in the row's format. True when "Valore non valido" is to be shown.
    // Passing through the field is no edit: only a value that then differs
    // from the one on disk stops the sending.
    bool leaveGain(int row) { return normalise(row, rows_[row].gain, savedRows_[row].gain); }
    bool leaveZero(int row) { return normalise(row, rows_[row].zero, savedRows_[row].zero); }

    // Writes all eight channel records, shown or hidden, and the channel count
    // and digital inputs into the general record. Sending is allowed again
    // once both are written.
    FileStatus save();

private:
    // The decimals of a row's mask; a text that is no mask keeps the decimals
    // last used.
    int decimalsOf(int row);
    bool normalise(int row, QString& value, const QString& saved);

    LoggerSetupRecords& records_;
    QString loggerSetupPath_;
    ChannelRows rows_;
    ChannelRows savedRows_; // the rows as last read or written
    QString digital1_;
    QString digital2_;
    bool fourChannels_ = false;
    bool sendAllowed_ = false;
    int lastDecimals_ = 0;
};

} // namespace korven
