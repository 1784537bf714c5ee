#include "logger_setup/channel_setup.h"

#include "logger_setup/channel_tables.h"
#include "logger_setup/number_format.h"
#include "platform/numeric_text.h"

namespace korven {

FileStatus loadChannelSetup(const QString& loggerSetupPath, LoggerSetupRecords& records,
                            ChannelRows& rows) {
    using C = LoggerChannelLayout;
    const RecordFile file(channelFilePath(loggerSetupPath), C::recordLength);
    for (int i = 0; i < C::channels; ++i) {
        if (FileStatus status = file.read(i + 1, records.channel); !status)
            return status;
        const Record& r = records.channel;
        ChannelRowTexts& row = rows[i];
        row.activation = r.text(C::activeFlag);
        row.scaling = r.text(C::scalingFlag);
        row.description = r.text(C::description);
        const int d = digitValue(r.text(C::decimals));
        row.mask = maskText(d).value_or(row.mask);
        row.gain = insertDecimalPoint(d, r.text(C::gain));
        row.zero = insertDecimalPoint(d, r.text(C::zero));
        row.inputType = inputTypeText(r.text(C::inputType)).value_or(row.inputType);
        row.supply = supplyText(digitValue(r.text(C::supply))).value_or(row.supply);
        row.unit = unitText(r.text(C::unit)).value_or(row.unit);
    }
    return {};
}

FileStatus saveChannelSetup(const QString& loggerSetupPath, LoggerSetupRecords& records,
                            const ChannelRows& rows, int& lastDecimals) {
    using C = LoggerChannelLayout;
    int d = lastDecimals;
    int supply = 0;
    QString inputType = QStringLiteral("0");
    QString unit = QStringLiteral("0");
    QList<QByteArray> channels;
    for (const ChannelRowTexts& row : rows) {
        d = maskDecimals(row.mask).value_or(d);
        supply = supplyCode(row.supply).value_or(supply);
        inputType = inputTypeCode(row.inputType).value_or(inputType);
        unit = unitCode(row.unit).value_or(unit);
        QString zero = removeDecimalPoint(row.zero);
        if (leadingNumber(zero) == 0)
            zero = QStringLiteral("+00000");

        Record& r = records.channel;
        r.setText(C::activeFlag, row.activation);
        r.setText(C::gain, removeDecimalPoint(row.gain));
        r.setText(C::zero, zero);
        r.setText(C::inputType, inputType);
        r.setText(C::decimals, QString::number(d));
        r.setText(C::supply, QString::number(supply));
        r.setText(C::unit, unit);
        r.setText(C::scalingFlag, row.scaling);
        r.setText(C::scalingFlagCopy, row.scaling);
        r.setText(C::description, row.description);
        channels.append(r.bytes());
    }
    lastDecimals = d;
    return RecordFile(channelFilePath(loggerSetupPath), C::recordLength).writeRecords(1, channels);
}

} // namespace korven
