#include "system_channel_bytes.h"
#include "system_setup/system_channel_fields.h"

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

Record recordOf(const SystemChannelBytes& channel) {
    Record record(75);
    record.setBytes(channel.bytes());
    return record;
}

// The treatment as the editor shows it, and the record saved back from it.
struct ShownAndSaved {
    QString shown;
    QByteArray saved;
};

ShownAndSaved roundTrip(const QByteArray& treatmentCode, const QString& shownBefore = {}) {
    SystemChannelBytes channel;
    channel.treatment = treatmentCode;
    Record record = recordOf(channel);
    SystemChannelFields fields;
    fields.treatment = shownBefore;
    showSystemChannel(record, fields);
    storeSystemChannel(fields, record);
    return {fields.treatment, record.bytes()};
}

TEST(SystemChannelFields, ATableTreatmentIsShownByItsNumberAndSavedAsItsCode) {
    SystemChannelBytes expected;
    expected.treatment = "05";
    const ShownAndSaved tab3 = roundTrip("05");
    EXPECT_EQ(tab3.shown, QStringLiteral("Tab. 3"));
    EXPECT_EQ(tab3.saved, expected.bytes());

    expected.treatment = "32";
    const ShownAndSaved tab30 = roundTrip("32");
    EXPECT_EQ(tab30.shown, QStringLiteral("Tab. 30"));
    EXPECT_EQ(tab30.saved, expected.bytes());

    EXPECT_EQ(roundTrip("02").shown, QStringLiteral("Tab. 0"));
    EXPECT_EQ(roundTrip("00").shown, QStringLiteral("Diretto "));
    EXPECT_EQ(roundTrip("01").shown, QStringLiteral("A*x+B  s"));
}

TEST(SystemChannelFields, ANewFilesTreatmentIsShownAsDirectAndSavedWithTwoDigits) {
    SystemChannelBytes expected;
    expected.treatment = "00";
    const ShownAndSaved fresh = roundTrip("0 ");
    EXPECT_EQ(fresh.shown, QStringLiteral("Diretto "));
    EXPECT_EQ(fresh.saved, expected.bytes());
}

TEST(SystemChannelFields, ACodeThatNamesNoTreatmentLeavesTheTextShownBefore) {
    const ShownAndSaved beyond = roundTrip("33", QStringLiteral("Tab. 7"));
    EXPECT_EQ(beyond.shown, QStringLiteral("Tab. 7"));
    SystemChannelBytes expected;
    expected.treatment = "09";
    EXPECT_EQ(beyond.saved, expected.bytes()) << "a save writes what the field shows";
}

TEST(SystemChannelFields, ATypedTextThatNamesNoTreatmentKeepsTheCode) {
    SystemChannelBytes channel;
    channel.treatment = "07";
    Record record = recordOf(channel);
    SystemChannelFields typed;
    typed.treatment = "Tab.5";
    storeSystemChannel(typed, record);
    SystemChannelBytes expected = channel;
    expected.activation = "   ";
    expected.moduleCode = "   ";
    expected.moduleChannel = "    ";
    expected.gain = "      ";
    expected.zero = "      ";
    expected.unit = "    ";
    EXPECT_EQ(record.bytes(), expected.bytes());
}

TEST(SystemChannelFields, MaskIndexesOutsideTheTableLeaveTheFieldAndTheIndex) {
    SystemChannelBytes channel;
    channel.mask = 9;
    Record record = recordOf(channel);
    SystemChannelFields fields;
    fields.mask = "**.***";
    showSystemChannel(record, fields);
    EXPECT_EQ(fields.mask, QStringLiteral("**.***"));

    fields.mask = "**,***";
    storeSystemChannel(fields, record);
    EXPECT_EQ(record.bytes(), channel.bytes());

    fields.mask = "*****.";
    storeSystemChannel(fields, record);
    channel.mask = 0;
    EXPECT_EQ(record.bytes(), channel.bytes());
}

} // namespace
