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

ShownAndSaved roundTrip(const QByteArray& treatmentCode, const QString& shownBefore,
                        const QString& typed) {
    SystemChannelBytes channel;
    channel.treatment = treatmentCode;
    Record record = recordOf(channel);
    SystemChannelFields fields;
    fields.treatment = shownBefore;
    showSystemChannel(record, fields);
    if (!typed.isEmpty())
        fields.treatment = typed;
    storeSystemChannel(fields, record);
    return {fields.treatment, record.bytes()};
}

// A table is shown by its number and saved as its code; a new file's "0 " is
// direct, saved with two digits; a code that names no treatment leaves the
// text shown before, and a save writes what the field shows; a typed text
// that names no treatment keeps the code.
TEST(SystemChannelFields, ATreatmentIsShownByItsNameAndSavedAsItsCode) {
    struct Case {
        QByteArray code;
        QString shownBefore, typed, shown;
        QByteArray saved;
    };
    for (const Case& c :
         {Case{"05", {}, {}, "Tab. 3", "05"}, Case{"32", {}, {}, "Tab. 30", "32"},
          Case{"02", {}, {}, "Tab. 0", "02"}, Case{"00", {}, {}, "Diretto ", "00"},
          Case{"01", {}, {}, "A*x+B  s", "01"}, Case{"0 ", {}, {}, "Diretto ", "00"},
          Case{"33", "Tab. 7", {}, "Tab. 7", "09"}, Case{"07", {}, "Tab.5", "Tab.5", "07"}}) {
        SystemChannelBytes expected;
        expected.treatment = c.saved;
        const ShownAndSaved result = roundTrip(c.code, c.shownBefore, c.typed);
        EXPECT_EQ(result.shown, c.shown) << c.code.constData();
        EXPECT_EQ(result.saved, expected.bytes()) << c.code.constData();
    }
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
