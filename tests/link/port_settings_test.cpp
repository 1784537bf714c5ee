#include "link/port_settings.h"
#include "system_setup/side_file_layouts.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(PortSettings, IndexesGivePortNumberLineSettingsAndPortText) {
    EXPECT_EQ((PortSettings{0, 0}.lineSettings()), "2400,n,8,2");
    EXPECT_EQ((PortSettings{0, 1}.lineSettings()), "4800,n,8,2");
    EXPECT_EQ((PortSettings{3, 2}.lineSettings()), "9600,n,8,2");
    EXPECT_EQ((PortSettings{3, 2}.portNumber()), 4);
    EXPECT_EQ((PortSettings{1, 2}.portText()), "Com 2, 9600");
    EXPECT_EQ((PortSettings{0, 1}.portText()), "Com 1, 4800");
}

TEST(PortSettings, AreReadFromAndStoredInTheIdentityRecord) {
    Record identity(IdentityLayout::recordLength);
    EXPECT_EQ(portSettingsOf(identity).comIndex, 0);
    EXPECT_EQ(portSettingsOf(identity).speedIndex, 0);

    storePortSettings({2, 1}, identity);
    EXPECT_EQ(identity.bytes().mid(35, 2), "21");
    EXPECT_EQ(portSettingsOf(identity).comIndex, 2);
    EXPECT_EQ(portSettingsOf(identity).speedIndex, 1);
}

} // namespace
} // namespace korven
