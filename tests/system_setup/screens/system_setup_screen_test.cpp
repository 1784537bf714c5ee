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
    void stepTo(int channel) {
        for (int n = 0; n < channel; ++n)
            click("Command3D3");
    }

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

TEST_F(SystemSetupScreenTest, ActivationTogglesWithItsColourAndIsWrittenOnlyBySalva) {
    open();
    for (const auto& [shown, colour] : {std::pair{"ON ", kGreen}, {"OFF", kRed}, {"ON ", kGreen}}) {
        QTest::mouseClick(SessionRig::child<QLabel>(*screen_, "act"), Qt::LeftButton);
        EXPECT_EQ(text("act"), QString::fromLatin1(shown));
        EXPECT_EQ(activationColour(), colour);
    }
    EXPECT_EQ(record(0), channels_[0].bytes());
    click("Command3d1");
    SystemChannelBytes expected = channels_[0];
    expected.activation = "ON ";
    EXPECT_EQ(record(0), expected.bytes());
    EXPECT_EQ(text("numsche"), QStringLiteral("0"));
}

TEST_F(SystemSetupScreenTest, SteppingSavesWhatWasTypedAndStopsAtTheLoggersLastChannel) {
    open();
    type("desch", QStringLiteral("Temperatura ambiente esterna"));
    type("unita1", QStringLiteral("mm"));
    type("Trat", QStringLiteral("Tab. 3"));
    type("punto1", QStringLiteral("*.****"));
    type("nlog1", QStringLiteral("7"));
    click("Command3D3");

    SystemChannelBytes expected = channels_[0];
    expected.description = "Temperatura ambiente";
    expected.unit = "mm  ";
    expected.treatment = "05";
    expected.mask = 4;
    expected.moduleCode = "7  ";
    EXPECT_EQ(record(0), expected.bytes());
    EXPECT_EQ(text("numsche"), QStringLiteral("001"));
    EXPECT_EQ(text("desch"), QStringLiteral("CANALE 1            "));

    click("Command3D4");
    EXPECT_EQ(text("numsche"), QStringLiteral("000"));
    EXPECT_EQ(text("Trat"), QStringLiteral("Tab. 3"));
    EXPECT_EQ(text("desch"), QStringLiteral("Temperatura ambiente"));

    // One logger: channels 0 to 7.
    stepTo(7);
    EXPECT_EQ(text("numsche"), QStringLiteral("007"));
    click("Command3D3");
    EXPECT_EQ(text("numsche"), QStringLiteral("7")) << "the last channel goes no further";
}

// The copies take the fields as shown: "Numero Canale" too, counting up
// from it under "Copia Tutti".
TEST_F(SystemSetupScreenTest, CopiaUnoAndCopiaTuttiCopyTheFieldsShown) {
    open();
    stepTo(2);
    type("desch", QStringLiteral("POMPA"));
    type("ncan1", QStringLiteral("0040"));
    click("Command3D7");
    EXPECT_EQ(text("numsche"), QStringLiteral("003"));
    EXPECT_EQ(text("desch"), QStringLiteral("POMPA               "));
    SystemChannelBytes copy = channels_[2];
    copy.description = QByteArray("POMPA").leftJustified(20, ' ');
    copy.moduleChannel = "0040";
    EXPECT_EQ(record(2), copy.bytes());
    EXPECT_EQ(record(3), copy.bytes()) << "the source's record, under the next number";

    click("Command3d5");
    EXPECT_TRUE(rig_.prompter.prompts().value(0).question);
    EXPECT_EQ(text("numsche"), QStringLiteral("007"));
    for (int n = 4; n <= 7; ++n) {
        copy.moduleChannel = QByteArray::number(40 + n - 3).rightJustified(4, '0');
        EXPECT_EQ(record(n), copy.bytes()) << n;
    }
    EXPECT_EQ(record(8), channels_[8].bytes());
}

TEST_F(SystemSetupScreenTest, AFileThatCannotBeReadIsNamedAndTheScreenStaysUsable) {
    QFile::remove(rig_.folder.path(QStringLiteral("plant.stp")));
    open();
    ASSERT_EQ(rig_.prompter.prompts().size(), 1);
    EXPECT_TRUE(rig_.prompter.prompts()[0].text.startsWith(
        QStringLiteral("ATTENZIONE: errore sul file ") +
        QDir::toNativeSeparators(rig_.folder.path(QStringLiteral("plant.stp")))));
    EXPECT_EQ(text("desch"), QString()) << "nothing stale is shown as read";

    rig_.prompter.clear();
    click("Command3d1");
    EXPECT_EQ(rig_.prompter.texts(),
              QStringList{"ATTENZIONE: il canale 0 non è stato letto dal file.\r"
                          "Nessun dato è stato salvato."});
    EXPECT_FALSE(rig_.folder.exists(QStringLiteral("plant.stp")));

    writeSystemFile(rig_.folder, channels_);
    click("Command3D3");
    EXPECT_EQ(text("numsche"), QStringLiteral("001"));
    EXPECT_EQ(text("desch"), QStringLiteral("CANALE 1            "));
    EXPECT_EQ(record(0), channels_[0].bytes()) << "the channel never read is not written";

    click("Command3d2");
    EXPECT_FALSE(screen_->isVisible());
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
    EXPECT_TRUE(sheet.find(QStringLiteral("008")).text.isEmpty());
    EXPECT_EQ(text("Trat"), QStringLiteral("Diretto ")) << "printing leaves the fields alone";
    EXPECT_TRUE(rig_.prompter.prompts().isEmpty());
}

TEST_F(SystemSetupScreenTest, APrintThatFailsIsToldAndTheScreenGoesOn) {
    open();
    rig_.printer.printed().failAtEnd(QStringLiteral("Nessuna stampante installata"));
    click("Command3d6");
    EXPECT_EQ(rig_.prompter.texts(),
              QStringList{"ATTENZIONE: stampa non riuscita.\rNessuna stampante installata"});
    EXPECT_EQ(screen_->cursor().shape(), Qt::ArrowCursor);
    click("Command3D3");
    EXPECT_EQ(text("numsche"), QStringLiteral("001"));
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
