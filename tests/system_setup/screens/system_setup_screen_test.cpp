#include "support/session_rig.h"
#include "support/user_input.h"
#include "system_setup/screens/system_setup_screen.h"
#include "system_setup/system_channel_bytes.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

// One logger's 24 channels; channel 3's treatment code names no treatment.
QList<SystemChannelBytes> installChannels(const TempFolder& folder) {
    QList<SystemChannelBytes> channels = distinctChannels(24);
    channels[3].treatment = "99";
    writeSystemFile(folder, channels);
    writeLoggerCount(folder, "1");
    return channels;
}

// "Setup Sistema" open over them.
struct SystemScreenRig : SessionRig {
    SystemScreenRig() : SessionRig({}) { screen.show(); }

    QString text(const char* name) {
        if (auto* box = screen.findChild<QLineEdit*>(QString::fromLatin1(name)))
            return box->text();
        if (auto* list = screen.findChild<QComboBox*>(QString::fromLatin1(name)))
            return list->currentText();
        return child<QLabel>(screen, name)->text();
    }
    QColor activationColour() {
        return child<QLabel>(screen, "act")->palette().color(QPalette::Window);
    }
    void type(const char* name, const QString& typed) {
        QLineEdit* box = screen.findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!box)
            box = child<QComboBox>(screen, name)->lineEdit();
        box->clear();
        QTest::keyClicks(box, typed);
    }
    QByteArray record(int channel) const { return folder.read("plant.stp").mid(channel * 75, 75); }

    QList<SystemChannelBytes> channels = installChannels(folder);
    SystemSetupScreen screen{session};
};

// Printing takes the file as saved, not the fields being typed.
TEST(SystemSetupScreen, ShowsTheChannelPrintsWhatIsSavedAndHandsWhatIsTypedToTheEditor) {
    SystemScreenRig rig;
    EXPECT_EQ(rig.screen.windowTitle(), QStringLiteral("Setup Sistema"));
    QStringList shown;
    for (const char* name : {"numsche", "nlog1", "ncan1", "act", "unita1", "punto1", "desch",
                             "Trat", "fondoscala", "zero"})
        shown.append(rig.text(name));
    // A unit not in the list shows as it is.
    EXPECT_EQ(shown, QStringList({"0", "012", "0000", "OFF", "bar ", "***.**",
                                  "CANALE 0            ", "A*x+B  s", "+01234", "-00050"}));
    EXPECT_EQ(rig.activationColour(), QColor(255, 0, 0));
    EXPECT_EQ(tabOrder(rig.screen),
              QStringList({"Command3D4", "Command3D3", "act", "desch", "unita1", "punto1", "Trat",
                           "nlog1", "ncan1", "fondoscala", "zero", "Command3D7", "Command3d5",
                           "Command3d6", "Command3d1", "Command3d2"}));

    QTest::mouseClick(rig.child<QLabel>(rig.screen, "act"), Qt::LeftButton);
    EXPECT_EQ(rig.text("act"), QStringLiteral("ON "));
    EXPECT_EQ(rig.activationColour(), QColor(0, 255, 0));
    rig.type("desch", QStringLiteral("Temperatura ambiente esterna"));
    rig.type("unita1", QStringLiteral("mm"));
    rig.type("Trat", QStringLiteral("Tab. 3"));
    rig.type("punto1", QStringLiteral("*.****"));
    rig.type("nlog1", QStringLiteral("7"));
    rig.type("ncan1", QStringLiteral("40"));
    rig.type("fondoscala", QStringLiteral("+12345"));
    rig.type("zero", QStringLiteral("-00150"));

    Qt::CursorShape duringPreview = Qt::ArrowCursor;
    rig.printer.whileShown = [&] { duringPreview = rig.screen.cursor().shape(); };
    rig.click(rig.screen, "Command3d6");
    EXPECT_EQ(duringPreview, Qt::WaitCursor);
    EXPECT_EQ(rig.screen.cursor().shape(), Qt::ArrowCursor) << "the normal pointer is back";
    const RecordingCanvas& sheet = rig.printer.printed();
    EXPECT_EQ(sheet.documentsEnded(), 1);
    EXPECT_EQ(sheet.find(QStringLiteral("SYSTEM SET-UP. FILE: ")).text,
              QStringLiteral("SYSTEM SET-UP. FILE: ") +
                  QDir::toNativeSeparators(rig.folder.path(QStringLiteral("plant.stp"))));
    EXPECT_TRUE(sheet.find(QStringLiteral("000 CANALE 0 ")).text.contains(QStringLiteral("bar")));
    EXPECT_TRUE(sheet.find(QStringLiteral("003 ")).text.contains(QStringLiteral("Tab. 3")))
        << "a code that names no treatment prints the field's text";
    EXPECT_EQ(rig.text("Trat"), QStringLiteral("Tab. 3")) << "printing leaves the fields alone";
    EXPECT_TRUE(rig.prompter.prompts().isEmpty());

    rig.click(rig.screen, "Command3d1");
    SystemChannelBytes expected = rig.channels[0];
    expected.activation = "ON ";
    expected.description = "Temperatura ambiente";
    expected.unit = "mm  ";
    expected.treatment = "05";
    expected.mask = 4;
    expected.moduleCode = "7  ";
    expected.moduleChannel = "40  ";
    expected.gain = "+12345";
    expected.zero = "-00150";
    EXPECT_EQ(rig.record(0), expected.bytes());
    EXPECT_EQ(rig.text("numsche"), QStringLiteral("0"));

    // Next, previous, "Copia uno", "Copia tutti", and the channel each shows.
    for (const auto& [button, caption, description] :
         {std::tuple{"Command3D3", "001", "CANALE 1"},
          {"Command3D4", "000", "Temperatura ambiente"},
          {"Command3D7", "001", "Temperatura ambiente"},
          {"Command3d5", "007", "Temperatura ambiente"}}) {
        rig.click(rig.screen, button);
        EXPECT_EQ(rig.text("numsche"), QString::fromLatin1(caption)) << button;
        EXPECT_EQ(rig.text("desch").trimmed(), QString::fromLatin1(description)) << button;
    }
    EXPECT_EQ(rig.text("ncan1"), QStringLiteral("0046"));

    const std::pair<const char*, int> widths[] = {{"nlog1", 3},      {"ncan1", 4},  {"desch", 20},
                                                  {"unita1", 4},     {"punto1", 6}, {"Trat", 8},
                                                  {"fondoscala", 6}, {"zero", 6}};
    for (const auto& [field, width] : widths) {
        rig.type(field, QString(30, u'7'));
        EXPECT_EQ(rig.text(field), QString(width, u'7')) << field;
    }
}

} // namespace
