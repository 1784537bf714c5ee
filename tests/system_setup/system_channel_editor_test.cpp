#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/system_channel_editor.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

class SystemEditor : public ::testing::Test {
protected:
    void SetUp() override { install(40, "1"); }

    void install(int channels, const QByteArray& loggers) {
        original_.clear();
        for (int n = 0; n < channels; ++n)
            original_.append(distinctChannel(n));
        writeSystemFile(folder_, original_);
        writeLoggerCount(folder_, loggers);
    }

    // Opens the editor and steps forward to `channel`; the channels passed
    // are saved unchanged on the way.
    void openAt(int channel) {
        editor_.open();
        for (int n = 0; n < channel; ++n)
            editor_.next();
        ASSERT_EQ(editor_.channelCaption(),
                  QStringLiteral("%1").arg(channel, 3, 10, QLatin1Char('0')));
    }

    QByteArray record(int channel) const {
        return folder_.read(QStringLiteral("plant.stp")).mid(channel * 75, 75);
    }
    QByteArray original(int channel) const { return original_[channel].bytes(); }

    TempFolder folder_;
    QList<SystemChannelBytes> original_;
    ScriptedPrompter prompter_;
    SystemChannelEditor editor_{folder_.path(QStringLiteral("plant.stp")), prompter_};
};

TEST_F(SystemEditor, OpensOnChannelZeroWithItsFieldsAtFullWidth) {
    editor_.open();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("0"));
    const SystemChannelFields& f = editor_.fields();
    EXPECT_EQ(f.activation, QStringLiteral("OFF"));
    EXPECT_EQ(f.moduleCode, QStringLiteral("012"));
    EXPECT_EQ(f.moduleChannel, QStringLiteral("0000"));
    EXPECT_EQ(f.description, QStringLiteral("CANALE 0            "));
    EXPECT_EQ(f.unit, QStringLiteral("bar "));
    EXPECT_EQ(f.mask, QStringLiteral("***.**"));
    EXPECT_EQ(f.treatment, QStringLiteral("A*x+B  s"));
    EXPECT_EQ(f.gain, QStringLiteral("+01234"));
    EXPECT_EQ(f.zero, QStringLiteral("-00050"));
    EXPECT_FALSE(editor_.activationOn());
    EXPECT_TRUE(prompter_.prompts().isEmpty());
}

TEST_F(SystemEditor, SavesWhatWasTypedCutToEachFieldAndKeepsTheFieldsNotShown) {
    editor_.open();
    editor_.toggleActivation();
    SystemChannelFields& f = editor_.fields();
    f.moduleCode = "7";
    f.moduleChannel = "12";
    f.description = "Temperatura ambiente esterna";
    f.unit = "mm";
    f.mask = "*.****";
    f.treatment = "Tab. 3";
    f.gain = "+12345";
    f.zero = "-00150";
    editor_.next();

    SystemChannelBytes expected = original_[0];
    expected.moduleCode = "7  ";
    expected.moduleChannel = "12  ";
    expected.activation = "ON ";
    expected.treatment = "05";
    expected.gain = "+12345";
    expected.zero = "-00150";
    expected.mask = 4;
    expected.description = "Temperatura ambiente";
    expected.unit = "mm  ";
    EXPECT_EQ(record(0), expected.bytes());
    EXPECT_EQ(record(1), original(1));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("001"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("CANALE 1            "));
}

TEST_F(SystemEditor, WithOneLoggerNextStopsOnChannelSevenWithoutSaving) {
    openAt(6);
    editor_.next();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("007"));
    EXPECT_EQ(editor_.fields().moduleChannel, QStringLiteral("0007"));

    editor_.fields().description = "not to be saved";
    editor_.next();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("7"));
    EXPECT_EQ(record(7), original(7));
    EXPECT_TRUE(prompter_.prompts().isEmpty());
}

TEST_F(SystemEditor, CopyOneOnTheLastChannelSaysHowManyChannelsTheLoggersHave) {
    openAt(7);
    editor_.fields().description = "not to be saved";
    editor_.copyOne();
    ASSERT_EQ(prompter_.prompts().size(), 1);
    EXPECT_EQ(prompter_.prompts()[0].text,
              QStringLiteral("ATTENZIONE: massimi canali collegabili: 8"));
    EXPECT_EQ(prompter_.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(record(7), original(7));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("7"));
}

TEST_F(SystemEditor, CopyOneCopiesTheWholeRecordIntoTheNextChannelAndMovesThere) {
    openAt(3);
    editor_.fields().description = "Portata";
    editor_.copyOne();

    SystemChannelBytes expected = original_[3];
    expected.description = "Portata             ";
    EXPECT_EQ(record(3), expected.bytes());
    EXPECT_EQ(record(4), expected.bytes())
        << "module channel and hidden fields come from channel 3";
    EXPECT_EQ(record(5), original(5));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("004"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("Portata             "));
}

TEST_F(SystemEditor, CopyAllFromThreeFillsTheGroupWithTheModuleChannelCountingUp) {
    openAt(3);
    editor_.fields().moduleChannel = "0100";
    prompter_.answerNext(true);
    editor_.copyAll();

    ASSERT_EQ(prompter_.prompts().size(), 1);
    EXPECT_EQ(prompter_.prompts()[0].text,
              QStringLiteral("ATTENZIONE: Tutti i parametri dei canali successivi al canale 3\r"
                             "saranno impostati come il canale 3\r"
                             "I canali verranno copiati per multipli di 8\r"
                             "Proseguire?"));
    EXPECT_TRUE(prompter_.prompts()[0].question);
    for (int n = 3; n <= 7; ++n) {
        SystemChannelBytes expected = original_[3];
        expected.moduleChannel = QByteArray::number(100 + n - 3).rightJustified(4, '0');
        EXPECT_EQ(record(n), expected.bytes()) << "channel " << n;
    }
    EXPECT_EQ(record(8), original(8));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("007"));
    EXPECT_EQ(editor_.fields().moduleChannel, QStringLiteral("0104"));
}

TEST_F(SystemEditor, CopyAllFromSevenFillsTheNextGroupOnlyWhenASecondLoggerHasIt) {
    install(40, "2");
    openAt(7);
    editor_.copyAll();
    for (int n = 8; n <= 15; ++n) {
        SystemChannelBytes expected = original_[7];
        expected.moduleChannel = QByteArray::number(n).rightJustified(4, '0');
        EXPECT_EQ(record(n), expected.bytes()) << "channel " << n;
    }
    EXPECT_EQ(record(16), original(16));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("015"));

    install(40, "1");
    openAt(7);
    editor_.fields().description = "Livello";
    editor_.copyAll();
    SystemChannelBytes expected = original_[7];
    expected.description = "Livello             ";
    EXPECT_EQ(record(7), expected.bytes());
    EXPECT_EQ(record(8), original(8));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("7"));
}

TEST_F(SystemEditor, CopyAllFromChannelTwentyFourOnSavesOnlyThatChannel) {
    install(40, "5");
    for (int start : {24, 30}) {
        openAt(start);
        editor_.fields().description = "Umidita";
        editor_.copyAll();
        SystemChannelBytes expected = original_[start];
        expected.description = "Umidita             ";
        EXPECT_EQ(record(start), expected.bytes());
        EXPECT_EQ(record(start + 1), original(start + 1));
        EXPECT_EQ(editor_.channelCaption(), QString::number(start));
    }
}

TEST_F(SystemEditor, CopyAllAnsweredNoChangesNothing) {
    openAt(3);
    editor_.fields().description = "not to be saved";
    prompter_.answerNext(false);
    editor_.copyAll();
    for (int n = 3; n <= 7; ++n)
        EXPECT_EQ(record(n), original(n));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("3"));
}

TEST_F(SystemEditor, PreviousFromZeroSavesAndReloadsChannelZero) {
    editor_.open();
    editor_.fields().description = "Vento";
    editor_.previous();
    SystemChannelBytes expected = original_[0];
    expected.description = "Vento               ";
    EXPECT_EQ(record(0), expected.bytes());
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("000"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("Vento               "));

    openAt(2);
    editor_.previous();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("001"));
}

TEST_F(SystemEditor, SaveStaysOnTheChannelAndShowsItsNumberWithoutLeadingZeros) {
    openAt(2);
    editor_.fields().gain = "+00999";
    editor_.save();
    SystemChannelBytes expected = original_[2];
    expected.gain = "+00999";
    EXPECT_EQ(record(2), expected.bytes());
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("2"));
}

TEST_F(SystemEditor, NeverMovesBeyondChannel1024WhateverTheLoggers) {
    install(1026, "200");
    openAt(1024);
    editor_.fields().description = "Ultimo";
    editor_.next();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("1024"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("Ultimo              "));
    EXPECT_EQ(record(1025), original(1025));
}

TEST_F(SystemEditor, ActivationTogglesBetweenOnAndOff) {
    editor_.open();
    editor_.toggleActivation();
    EXPECT_EQ(editor_.fields().activation, QStringLiteral("ON "));
    EXPECT_TRUE(editor_.activationOn());
    editor_.toggleActivation();
    EXPECT_EQ(editor_.fields().activation, QStringLiteral("OFF"));
    editor_.fields().activation = "on";
    editor_.toggleActivation();
    EXPECT_EQ(editor_.fields().activation, QStringLiteral("ON "));
    EXPECT_EQ(record(0), original(0)) << "nothing is written until a save";
}

TEST_F(SystemEditor, AFileThatCannotBeReadIsNamedAndNeverSavedOver) {
    QFile::remove(folder_.path("plant.stp"));
    editor_.open();
    ASSERT_EQ(prompter_.prompts().size(), 1);
    EXPECT_TRUE(prompter_.prompts()[0].text.startsWith(
        "ATTENZIONE: errore sul file " + QDir::toNativeSeparators(folder_.path("plant.stp"))));
    EXPECT_EQ(prompter_.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(editor_.channelRead());
    EXPECT_EQ(editor_.fields().description, QString()) << "no stale fields";

    editor_.fields().description = "typed on nothing";
    for (auto action : {&SystemChannelEditor::save, &SystemChannelEditor::copyOne,
                        &SystemChannelEditor::copyAll}) {
        prompter_.clear();
        (editor_.*action)();
        EXPECT_EQ(prompter_.texts(),
                  QStringList{QStringLiteral("ATTENZIONE: il canale 0 non è stato letto dal file.\r"
                                             "Nessun dato è stato salvato.")});
    }
    EXPECT_FALSE(folder_.exists("plant.stp"));

    prompter_.clear();
    editor_.next();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("001"));
    EXPECT_EQ(prompter_.prompts().size(), 1) << "the next channel cannot be read either";
    EXPECT_FALSE(folder_.exists("plant.stp"));
}

TEST_F(SystemEditor, AFailedSaveStaysOnTheChannelWithWhatWasTyped) {
    editor_.open();
    QFile::remove(folder_.path("plant.stp"));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("plant.stp"));
    editor_.fields().description = "Pressione";
    editor_.next();
    ASSERT_EQ(prompter_.prompts().size(), 1);
    EXPECT_TRUE(prompter_.prompts()[0].text.startsWith("ATTENZIONE: errore sul file "));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("0"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("Pressione"));
}

TEST_F(SystemEditor, AMissingIdentityFileIsNamedAndTheStepIsNotTaken) {
    QFile::remove(folder_.path("plant.pas"));
    editor_.open();
    editor_.fields().description = "not to be saved";
    editor_.next();
    ASSERT_EQ(prompter_.prompts().size(), 1);
    EXPECT_TRUE(
        prompter_.prompts()[0].text.contains(QDir::toNativeSeparators(folder_.path("plant.pas"))));
    EXPECT_EQ(record(0), original(0));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("0"));
}

} // namespace
