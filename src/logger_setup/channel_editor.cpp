#include "logger_setup/channel_editor.h"

#include "logger_setup/channel_tables.h"
#include "logger_setup/number_format.h"
#include "platform/file_failure_text.h"
#include "platform/numeric_text.h"

namespace korven {

namespace {

FileStatus fileFailure(const QString& path, const FileStatus& status) {
    return status ? status : FileStatus::failure(fileFailureText(path, status.error));
}

} // namespace

QStringList editorMaskChoices() {
    return {QStringLiteral("*.****"), QStringLiteral("**.***"), QStringLiteral("***.**"),
            QStringLiteral("****.*"), QStringLiteral("*****.")};
}

QStringList editorSupplyChoices() {
    return {QStringLiteral("----"), QStringLiteral("24 V"), QStringLiteral(" 5 V"),
            QStringLiteral("2V r"), QStringLiteral("1 mA")};
}

QStringList editorInputTypeChoices() {
    return {QStringLiteral("20mV"),
            QStringLiteral("20mV Diff Rif est"),
            QStringLiteral("20mV Diff Rif int"),
            QStringLiteral("200mV"),
            QStringLiteral("200mV Diff Rif est"),
            QStringLiteral("200mV Diff Rif int"),
            QStringLiteral("2V"),
            QStringLiteral("2V Diff Rif est"),
            QStringLiteral("2V Diff Rif int"),
            QStringLiteral("20V"),
            QStringLiteral("Pt100"),
            QStringLiteral("0-20mA"),
            QStringLiteral("4-20mA")};
}

QStringList editorUnitChoices() {
    return {QStringLiteral("V"),  QStringLiteral("mV"), QStringLiteral("mA"),
            QStringLiteral("mm"), QStringLiteral("°C"), QStringLiteral("R.J."),
            QStringLiteral("T"),  QStringLiteral("---")};
}

bool isFlagOn(const QString& caption) {
    return caption == kFlagOn;
}

QString toggledFlag(const QString& caption) {
    return isFlagOn(caption) ? kFlagOff : kFlagOn;
}

FileStatus ChannelEditor::open(const QString& loggerSetupPath) {
    loggerSetupPath_ = loggerSetupPath;
    const QString parPath = parFilePath(loggerSetupPath);
    if (const FileStatus status =
            RecordFile(parPath, LoggerParLayout::recordLength).read(1, records_.par);
        !status)
        return fileFailure(parPath, status);
    fourChannels_ = channelCountOf(records_.par) == 4;
    digital1_ = records_.par.text(LoggerParLayout::digital1Flag);
    digital2_ = records_.par.text(LoggerParLayout::digital2Flag);

    if (const FileStatus status = loadChannelSetup(loggerSetupPath, records_, rows_); !status)
        return fileFailure(channelFilePath(loggerSetupPath), status);
    // The decimals of the last channel read are the ones last used.
    lastDecimals_ = digitValue(records_.channel.text(LoggerChannelLayout::decimals));
    savedRows_ = rows_;
    sendAllowed_ = true;
    return {};
}

void ChannelEditor::toggleActivation(int row) {
    edited();
    rows_[row].activation = toggledFlag(rows_[row].activation);
}

void ChannelEditor::toggleScaling(int row) {
    edited();
    rows_[row].scaling = toggledFlag(rows_[row].scaling);
}

void ChannelEditor::toggleDigital(int input) {
    edited();
    QString& flag = input == 1 ? digital1_ : digital2_;
    flag = toggledFlag(flag);
}

void ChannelEditor::chooseChannelCount(bool fourChannels) {
    edited();
    fourChannels_ = fourChannels;
}

void ChannelEditor::chooseMask(int row, const QString& mask) {
    edited();
    ChannelRowTexts& texts = rows_[row];
    texts.mask = mask;
    const int d = decimalsOf(row);
    texts.gain = insertDecimalPoint(d, removeDecimalPoint(texts.gain));
    texts.zero = insertDecimalPoint(d, removeDecimalPoint(texts.zero));
}

int ChannelEditor::decimalsOf(int row) {
    lastDecimals_ = maskDecimals(rows_[row].mask).value_or(lastDecimals_);
    return lastDecimals_;
}

bool ChannelEditor::normalise(int row, QString& value, const QString& saved) {
    const NormalisedEntry entry = normaliseEntry(value, decimalsOf(row));
    if (entry.changed)
        value = entry.text;
    if (value != saved)
        edited();
    return entry.showInvalid;
}

FileStatus ChannelEditor::save() {
    if (const FileStatus status =
            saveChannelSetup(loggerSetupPath_, records_, rows_, lastDecimals_);
        !status)
        return fileFailure(channelFilePath(loggerSetupPath_), status);

    using P = LoggerParLayout;
    records_.par.setText(P::channelCount,
                         fourChannels_ ? QStringLiteral("4") : QStringLiteral("8"));
    records_.par.setText(P::digital1Flag, digital1_);
    records_.par.setText(P::digital2Flag, digital2_);
    const QString parPath = parFilePath(loggerSetupPath_);
    if (const FileStatus status = RecordFile(parPath, P::recordLength).write(1, records_.par);
        !status)
        return fileFailure(parPath, status);
    savedRows_ = rows_;
    sendAllowed_ = true;
    return {};
}

} // namespace korven
