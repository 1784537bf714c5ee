#include "platform/widgets/dialog_file_chooser.h"

#include <gtest/gtest.h>

using namespace korven;

TEST(FileDialogFilter, KeepsTheCaptionAndAddsPatternsOnlyWhereMissing) {
    EXPECT_EQ(nameFiltersOf(" FILE (*.stp)|*.stp|"), QStringList{" FILE (*.stp)"});
    EXPECT_EQ(nameFiltersOf(" FILE (*.tmr)|*.tmr|"), QStringList{" FILE (*.tmr)"});
    EXPECT_EQ(nameFiltersOf("Tabelle|*.txt;*.prn|Tutti|*.*"),
              (QStringList{"Tabelle (*.txt *.prn)", "Tutti (*.*)"}));
    EXPECT_TRUE(nameFiltersOf(QString()).isEmpty());
}
