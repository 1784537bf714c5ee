#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/system_channel_editor.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

const QString kCopyAllQuestion =
    QStringLiteral("ATTENZIONE: Tutti i parametri dei canali successivi al canale 3\r"
                   "saranno impostati come il canale 3\r"
                   "I canali verranno copiati per multipli di 8\r"
                   "Proseguire?");

class SystemEditor : public ::testing::Test {
protected:
    void SetUp() override { install(40, "1"); }

    void install(int channels, const QByteArray& loggers) {
        original_ = distinctChannels(channels);
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
    // Channel `from` as it was, with another description and module channel.
    QByteArray changed(int from, const QByteArray& description, int moduleChannel = -1) const {
        SystemChannelBytes channel = original_[from];
        channel.description = description.leftJustified(20, ' ');
        if (moduleChannel >= 0)
            channel.moduleChannel = QByteArray::number(moduleChannel).rightJustified(4, '0');
        return channel.bytes();
    }

    TempFolder folder_;
    QList<SystemChannelBytes> original_;
    ScriptedPrompter prompter_;
    SystemChannelEditor editor_{folder_.path(QStringLiteral("plant.stp")), prompter_};
};

TEST_F(SystemEditor, OpensOnChannelZeroWithItsFieldsAtFullWidth) {
    editor_.open();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("0"));
    const SystemChannelFields& f = editor_.fields();
    EXPECT_EQ(QStringList({f.activation, f.moduleCode, f.moduleChannel, f.description, f.unit,
                           f.mask, f.treatment, f.gain, f.zero}),
              QStringList({"OFF", "012", "0000", "CANALE 0            ", "bar ", "***.**",
                           "A*x+B  s", "+01234", "-00050"}));
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

// One logger has channels 0 to 7: on the last, "next" and "copy one" stay
// there without saving, the latter saying why.
TEST_F(SystemEditor, OnTheLoggersLastChannelNextAndCopyOneGoNowhere) {
    openAt(7);
    EXPECT_EQ(editor_.fields().moduleChannel, QStringLiteral("0007"));
    editor_.fields().description = "not to be saved";
    editor_.next();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("7"));
    EXPECT_TRUE(prompter_.prompts().isEmpty());
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
    EXPECT_EQ(record(3), changed(3, "Portata"));
    EXPECT_EQ(record(4), changed(3, "Portata"))
        << "module channel and hidden fields come from channel 3";
    EXPECT_EQ(record(5), original(5));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("004"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("Portata             "));
}

TEST_F(SystemEditor, CopyAllAsksThenFillsTheGroupWithTheModuleChannelCountingUp) {
    openAt(3);
    editor_.fields().moduleChannel = "0100";
    prompter_.answerNext(false);
    editor_.copyAll();
    EXPECT_EQ(prompter_.texts(), QStringList{kCopyAllQuestion});
    EXPECT_TRUE(prompter_.prompts()[0].question);
    EXPECT_TRUE(prompter_.prompts()[0].noIsDefault) << "a stray Enter overwrites nothing";
    for (int n = 3; n <= 7; ++n)
        EXPECT_EQ(record(n), original(n)) << "No changes nothing";
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("3"));

    editor_.fields().moduleChannel = "0100";
    editor_.copyAll();
    for (int n = 3; n <= 7; ++n)
        EXPECT_EQ(record(n), changed(3, "CANALE 3", 100 + n - 3)) << "channel " << n;
    EXPECT_EQ(record(8), original(8));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("007"));
    EXPECT_EQ(editor_.fields().moduleChannel, QStringLiteral("0104"));
}

// From channel 7 the next group is filled only when a second logger has it;
// from channel 24 on only the channel itself is saved.
TEST_F(SystemEditor, CopyAllFillsOnlyGroupsTheLoggersHave) {
    install(40, "2");
    openAt(7);
    editor_.copyAll();
    for (int n = 8; n <= 15; ++n)
        EXPECT_EQ(record(n), changed(7, "CANALE 7", n)) << "channel " << n;
    EXPECT_EQ(record(16), original(16));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("015"));

    install(40, "1");
    openAt(7);
    editor_.fields().description = "Livello";
    editor_.copyAll();
    EXPECT_EQ(record(7), changed(7, "Livello"));
    EXPECT_EQ(record(8), original(8));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("7"));

    install(40, "5");
    for (int start : {24, 30}) {
        openAt(start);
        editor_.fields().description = "Umidita";
        editor_.copyAll();
        EXPECT_EQ(record(start), changed(start, "Umidita"));
        EXPECT_EQ(record(start + 1), original(start + 1));
        EXPECT_EQ(editor_.channelCaption(), QString::number(start));
    }
}

// "Previous" from 0 and "save" stay, showing the number without leading zeros
// after a save.
TEST_F(SystemEditor, PreviousFromZeroAndSaveStayOnTheChannel) {
    editor_.open();
    editor_.fields().description = "Vento";
    editor_.previous();
    EXPECT_EQ(record(0), changed(0, "Vento"));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("000"));
    EXPECT_EQ(editor_.fields().description, QStringLiteral("Vento               "));

    openAt(2);
    editor_.previous();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("001"));
    editor_.fields().description = "Pioggia";
    editor_.save();
    EXPECT_EQ(record(1), changed(1, "Pioggia"));
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("1"));
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

TEST_F(SystemEditor, ActivationTogglesBetweenOnAndOffFromAnything) {
    editor_.open();
    for (const auto& [before, after] : {std::pair{"OFF", "ON "}, {"ON ", "OFF"}, {"on", "ON "}}) {
        editor_.fields().activation = QString::fromLatin1(before);
        editor_.toggleActivation();
        EXPECT_EQ(editor_.fields().activation, QString::fromLatin1(after)) << before;
        EXPECT_EQ(editor_.activationOn(), after[1] == 'N') << before;
    }
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
