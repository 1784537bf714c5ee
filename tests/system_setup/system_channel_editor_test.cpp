#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "system_channel_bytes.h"
#include "system_setup/system_channel_editor.h"
#include "system_setup/system_channel_fields.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace korven;
using namespace korven::test;

namespace {

const QString kNotRead = QStringLiteral("ATTENZIONE: il canale 0 non è stato letto dal file.\r"
                                        "Nessun dato è stato salvato.");

class SystemEditor : public ::testing::Test {
protected:
    void SetUp() override { install(40, "1"); }

    void install(int channels, const QByteArray& loggers) {
        original_ = distinctChannels(channels);
        writeSystemFile(folder_, original_);
        writeLoggerCount(folder_, loggers);
    }

    // Opens the editor and steps forward to `channel`, saving those passed unchanged.
    void openAt(int channel) {
        editor_.open();
        for (int n = 0; n < channel; ++n)
            editor_.next();
        ASSERT_EQ(editor_.channelCaption().toInt(), channel);
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
    QString firstPrompt() const { return prompter_.prompts().value(0).text; }

    TempFolder folder_;
    QList<SystemChannelBytes> original_;
    ScriptedPrompter prompter_;
    SystemChannelEditor editor_{folder_.path(QStringLiteral("plant.stp")), prompter_};
};

// Eight channels per logger, never beyond 1024; "Copia tutti" to the end of the group of
// eight (from 7 the next group, from 24 on none). A caption without zeros: the editor stayed.
TEST_F(SystemEditor, ActionsStopAtTheLoggersLastChannelAndTheGroupsEnd) {
    using Editor = SystemChannelEditor;
    struct Bound {
        QByteArray loggers;
        int start;
        void (Editor::*action)();
        const char* caption;
        int lastWritten; // -1: nothing written
        const char* told = "";
    };
    const Bound bounds[] = {
        {"1", 7, &Editor::next, "7", -1},
        {"1", 7, &Editor::copyOne, "7", -1, "ATTENZIONE: massimi canali collegabili: 8"},
        {"1", 3, &Editor::copyOne, "004", 4},
        {"1", 0, &Editor::previous, "000", 0},
        {"1", 2, &Editor::previous, "001", 2},
        {"1", 1, &Editor::save, "1", 1},
        {"200", 1024, &Editor::next, "1024", 1024},
        {"1", 3, &Editor::copyAll, "007", 7},
        {"1", 7, &Editor::copyAll, "7", 7},
        {"2", 7, &Editor::copyAll, "015", 15},
        {"5", 24, &Editor::copyAll, "24", 24},
        {"5", 30, &Editor::copyAll, "30", 30},
    };
    for (const Bound& b : bounds) {
        SCOPED_TRACE(testing::Message() << "from " << b.start << ", row " << (&b - bounds));
        install(b.start < 40 ? 40 : b.start + 2, b.loggers);
        openAt(b.start);
        prompter_.clear();
        editor_.fields().description = "Scritto";
        (editor_.*b.action)();
        EXPECT_EQ(editor_.channelCaption(), QString::fromLatin1(b.caption));
        const QString told = QString::fromLatin1(b.told);
        if (b.action != &Editor::copyAll) {
            EXPECT_EQ(prompter_.texts(), told.isEmpty() ? QStringList{} : QStringList{told});
        }
        for (int n = b.start; n <= b.lastWritten; ++n)
            EXPECT_EQ(record(n).mid(40, 20), QByteArray("Scritto").leftJustified(20, ' ')) << n;
        const int untouched = std::max(b.start, b.lastWritten + 1);
        EXPECT_EQ(record(untouched), original(untouched));
    }
}

TEST_F(SystemEditor, CopiesTakeTheWholeRecordAndCopyAllCountsTheModuleChannelUp) {
    openAt(3);
    editor_.fields().description = "Portata";
    editor_.copyOne();
    EXPECT_EQ(record(4), changed(3, "Portata")) << "module channel and hidden fields of 3";

    editor_.fields().moduleChannel = "0100";
    prompter_.answerNext(false);
    editor_.copyAll();
    EXPECT_EQ(prompter_.texts(),
              QStringList{"ATTENZIONE: Tutti i parametri dei canali successivi al canale 4\r"
                          "saranno impostati come il canale 4\r"
                          "I canali verranno copiati per multipli di 8\r"
                          "Proseguire?"});
    EXPECT_TRUE(prompter_.prompts()[0].noIsDefault) << "a stray Enter overwrites nothing";
    EXPECT_EQ(record(4), changed(3, "Portata")) << "No changes nothing";

    editor_.fields().moduleChannel = "0100";
    editor_.copyAll();
    for (int n = 4; n <= 7; ++n)
        EXPECT_EQ(record(n), changed(3, "Portata", 100 + n - 4)) << "channel " << n;
    EXPECT_EQ(editor_.fields().moduleChannel, QStringLiteral("0103"));
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
    EXPECT_TRUE(firstPrompt().startsWith("ATTENZIONE: errore sul file " +
                                         QDir::toNativeSeparators(folder_.path("plant.stp"))));
    EXPECT_EQ(prompter_.prompts()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(editor_.fields().description, QString()) << "no stale fields";

    editor_.fields().description = "typed on nothing";
    for (auto action : {&SystemChannelEditor::save, &SystemChannelEditor::copyOne,
                        &SystemChannelEditor::copyAll}) {
        prompter_.clear();
        (editor_.*action)();
        EXPECT_EQ(prompter_.texts(), QStringList{kNotRead});
    }
    prompter_.clear();
    editor_.next();
    EXPECT_EQ(editor_.channelCaption(), QStringLiteral("001"));
    EXPECT_EQ(prompter_.prompts().size(), 1) << "the next channel cannot be read either";
    EXPECT_FALSE(folder_.exists("plant.stp"));
}

TEST_F(SystemEditor, AStepThatCannotBeTakenStaysOnTheChannelWithWhatWasTyped) {
    for (const char* failing : {"plant.stp", "plant.pas"}) {
        install(40, "1");
        editor_.open();
        prompter_.clear();
        QFile::remove(folder_.path(failing));
        ASSERT_TRUE(QByteArray(failing) != "plant.stp" || QDir(folder_.path()).mkdir("plant.stp"));
        editor_.fields().description = "Pressione";
        editor_.next();
        ASSERT_EQ(prompter_.prompts().size(), 1) << failing;
        EXPECT_TRUE(firstPrompt().contains(QDir::toNativeSeparators(folder_.path(failing))));
        EXPECT_EQ(editor_.channelCaption(), QStringLiteral("0"));
        EXPECT_EQ(editor_.fields().description, QStringLiteral("Pressione"));
        if (QByteArray(failing) == "plant.pas") {
            EXPECT_EQ(record(0), original(0));
        }
        QDir(folder_.path()).rmdir("plant.stp");
    }
}

Record recordOf(const SystemChannelBytes& channel) {
    Record record(75);
    record.setBytes(channel.bytes());
    return record;
}

// A code naming no treatment keeps the text shown, a text naming none keeps the code.
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
        SystemChannelBytes channel;
        channel.treatment = c.code;
        Record record = recordOf(channel);
        SystemChannelFields fields;
        fields.treatment = c.shownBefore;
        showSystemChannel(record, fields);
        if (!c.typed.isEmpty())
            fields.treatment = c.typed;
        storeSystemChannel(fields, record);
        channel.treatment = c.saved;
        EXPECT_EQ(fields.treatment, c.shown) << c.code.constData();
        EXPECT_EQ(record.bytes(), channel.bytes()) << c.code.constData();
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
