#include "support/session_rig.h"
#include "support/user_input.h"
#include "system_setup/screens/system_setup_screen.h"
#include "system_setup/system_channel_bytes.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

using namespace korven;
using namespace korven::test;

namespace {

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

class SystemSetupScreenTest : public ::testing::Test {
protected:
    SystemSetupScreenTest() : rig_(sim::LoggerConfig{}), channels_(distinctChannels(24)) {
        writeSystemFile(rig_.folder, channels_);
        writeLoggerCount(rig_.folder, "1");
    }

    SystemSetupScreen& open() {
        screen_ = std::make_unique<SystemSetupScreen>(rig_.session);
        screen_->show();
        return *screen_;
    }

    QString text(const char* name) const {
        if (auto* box = screen_->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return box->text();
        if (auto* list = screen_->findChild<QComboBox*>(QString::fromLatin1(name)))
            return list->currentText();
        if (auto* label = screen_->findChild<QLabel*>(QString::fromLatin1(name)))
            return label->text();
        ADD_FAILURE() << "no field " << name;
        return {};
    }
    QColor activationColour() const {
        return SessionRig::child<QLabel>(*screen_, "act")->palette().color(QPalette::Window);
    }
    void type(const char* name, const QString& typed) {
        QLineEdit* box = screen_->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!box)
            box = SessionRig::child<QComboBox>(*screen_, name)->lineEdit();
        box->clear();
        QTest::keyClicks(box, typed);
    }
    void click(const char* name) { SessionRig::click(*screen_, name); }

    QByteArray record(int channel) const {
        return rig_.folder.read(QStringLiteral("plant.stp")).mid(channel * 75, 75);
    }

    SessionRig rig_;
    QList<SystemChannelBytes> channels_;
    std::unique_ptr<SystemSetupScreen> screen_;
};

TEST_F(SystemSetupScreenTest, OpensOnChannelZeroWithEveryField) {
    SystemSetupScreen& screen = open();
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("Setup Sistema"));
    QStringList shown;
    for (const char* name : {"numsche", "nlog1", "ncan1", "act", "unita1", "punto1", "desch",
                             "Trat", "fondoscala", "zero"})
        shown.append(text(name));
    // A unit not in the list shows as it is.
    EXPECT_EQ(shown, QStringList({"0", "012", "0000", "OFF", "bar ", "***.**",
                                  "CANALE 0            ", "A*x+B  s", "+01234", "-00050"}));
    EXPECT_EQ(activationColour(), kRed);
    EXPECT_TRUE(rig_.prompter.prompts().isEmpty());
}

// Every field typed reaches the record, and each button runs its action.
TEST_F(SystemSetupScreenTest, TheFieldsAsTypedGoToTheEditorsActionsAndComeBackShown) {
    open();
    QTest::mouseClick(SessionRig::child<QLabel>(*screen_, "act"), Qt::LeftButton);
    EXPECT_EQ(text("act"), QStringLiteral("ON "));
    EXPECT_EQ(activationColour(), kGreen);
    type("desch", QStringLiteral("Temperatura ambiente esterna"));
    type("unita1", QStringLiteral("mm"));
    type("Trat", QStringLiteral("Tab. 3"));
    type("punto1", QStringLiteral("*.****"));
    type("nlog1", QStringLiteral("7"));
    type("ncan1", QStringLiteral("40"));
    type("fondoscala", QStringLiteral("+12345"));
    type("zero", QStringLiteral("-00150"));
    click("Command3d1");

    SystemChannelBytes expected = channels_[0];
    expected.activation = "ON ";
    expected.description = "Temperatura ambiente";
    expected.unit = "mm  ";
    expected.treatment = "05";
    expected.mask = 4;
    expected.moduleCode = "7  ";
    expected.moduleChannel = "40  ";
    expected.gain = "+12345";
    expected.zero = "-00150";
    EXPECT_EQ(record(0), expected.bytes());
    EXPECT_EQ(text("numsche"), QStringLiteral("0"));

    // Next, previous, "Copia uno", "Copia tutti".
    for (const auto& [button, caption] : {std::pair{"Command3D3", "001"},
                                          {"Command3D4", "000"},
                                          {"Command3D7", "001"},
                                          {"Command3d5", "007"}}) {
        click(button);
        EXPECT_EQ(text("numsche"), QString::fromLatin1(caption)) << button;
    }
    EXPECT_EQ(record(1), expected.bytes());
    EXPECT_EQ(record(7).mid(40, 20), expected.description);
    EXPECT_EQ(text("desch"), QStringLiteral("Temperatura ambiente"));
    EXPECT_EQ(text("ncan1"), QStringLiteral("0046"));
}

TEST_F(SystemSetupScreenTest, StampaPrintsTheSavedChannelsThroughThePreviewUnderTheHourglass) {
    channels_[3].treatment = "99";
    writeSystemFile(rig_.folder, channels_);
    open();
    type("desch", QStringLiteral("NON SALVATO"));
    type("Trat", QStringLiteral("Diretto "));
    Qt::CursorShape duringPreview = Qt::ArrowCursor;
    rig_.printer.whileShown = [this, &duringPreview] { duringPreview = screen_->cursor().shape(); };

    click("Command3d6");
    EXPECT_EQ(duringPreview, Qt::WaitCursor);
    EXPECT_EQ(screen_->cursor().shape(), Qt::ArrowCursor) << "the normal pointer is back";
    const RecordingCanvas& sheet = rig_.printer.printed();
    EXPECT_EQ(sheet.documentsEnded(), 1);
    EXPECT_EQ(sheet.find(QStringLiteral("SYSTEM SET-UP. FILE: ")).text,
              QStringLiteral("SYSTEM SET-UP. FILE: ") +
                  QDir::toNativeSeparators(rig_.folder.path(QStringLiteral("plant.stp"))));
    EXPECT_TRUE(sheet.find(QStringLiteral("000 CANALE 0 ")).text.contains(QStringLiteral("bar")))
        << "the file as saved, not the field being typed";
    EXPECT_TRUE(sheet.find(QStringLiteral("003 ")).text.contains(QStringLiteral("Diretto ")))
        << "a code that names no treatment prints the field's text";
    EXPECT_EQ(text("Trat"), QStringLiteral("Diretto ")) << "printing leaves the fields alone";
    EXPECT_TRUE(rig_.prompter.prompts().isEmpty());
}

TEST_F(SystemSetupScreenTest, FieldsTakeNoMoreThanTheRecordHoldsAndTabFollowsTheScreen) {
    QWidget& screen = open();
    const std::pair<const char*, int> widths[] = {{"nlog1", 3},      {"ncan1", 4},  {"desch", 20},
                                                  {"unita1", 4},     {"punto1", 6}, {"Trat", 8},
                                                  {"fondoscala", 6}, {"zero", 6}};
    for (const auto& [field, width] : widths) {
        type(field, QString(30, u'7'));
        EXPECT_EQ(text(field), QString(width, u'7')) << field;
    }
    EXPECT_EQ(tabOrder(screen),
              QStringList({"Command3D4", "Command3D3", "act", "desch", "unita1", "punto1", "Trat",
                           "nlog1", "ncan1", "fondoscala", "zero", "Command3D7", "Command3d5",
                           "Command3d6", "Command3d1", "Command3d2"}));
}

} // namespace
