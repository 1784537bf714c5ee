#include "download/screens/automatic_download_screen.h"

#include "download/download_rig.h"
#include "download/screens/automatic_fetch_screen.h"
#include "link/link_texts.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QPointer>

#include <gtest/gtest.h>

#include <memory>

namespace korven {
namespace {

using test::DownloadRig;
using test::kResumed;
using test::loggerWith;

// The two automatic download screens on the simulated logger.
struct AutomaticRig : DownloadRig {
    AutomaticRig(int pointer, int loggerBlocks) : DownloadRig(loggerWith(loggerBlocks)) {
        writeDownloadPointer(static_cast<qint16>(pointer));
    }
    ~AutomaticRig() { delete fetchScreen(); }

    // Opens the first screen as the menu does.
    bool open() {
        first.reset(static_cast<AutomaticDownloadScreen*>(makeAutomaticDownloadScreen(session)));
        return first != nullptr;
    }
    QString information() { return child<QLabel>(*first, "informationLine")->text(); }
    bool startShown() { return child(*first, "startFrame")->isVisibleTo(first.get()); }

    // Start on the first screen: the second one appears and fetches.
    AutomaticFetchScreen* start() {
        click(*first, "Command1");
        QCoreApplication::processEvents();
        return fetchScreen();
    }
    static AutomaticFetchScreen* fetchScreen() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* screen = qobject_cast<AutomaticFetchScreen*>(widget))
                return screen;
        return nullptr;
    }
    bool enabled(const char* button) {
        return child<QPushButton>(*fetchScreen(), button)->isEnabled();
    }

    std::unique_ptr<AutomaticDownloadScreen> first;
};

TEST(AutomaticDownload, FetchesEveryNewBlockSavesThemAndMovesThePointerOn) {
    AutomaticRig rig(120, 126); // the logger's last stored block is 125
    ASSERT_TRUE(rig.open());
    EXPECT_EQ(rig.information(), "Ultimo blocco memorizzato: 125\nVerranno scaricati 6 blocchi");
    EXPECT_TRUE(rig.startShown());

    AutomaticFetchScreen* fetch = rig.start();
    ASSERT_TRUE(fetch);
    EXPECT_FALSE(rig.first->isVisible());
    EXPECT_EQ(rig.blockRequests(),
              QList<QByteArray>({"S078", "S079", "S07A", "S07B", "S07C", "S07D"}));
    EXPECT_TRUE(rig.enabled("Command1"));
    EXPECT_TRUE(rig.enabled("Command2"));

    const QString table = rig.folder.path("scarico.txt");
    rig.files.chooseNext(table);
    rig.click(*fetch, "Command1");
    ASSERT_EQ(rig.files.saveRequests().size(), 1);
    EXPECT_EQ(rig.files.saveRequests()[0].filter, " FILE (*.txt)|*.txt|");

    const QByteArray lines = rig.folder.read("scarico.txt");
    ASSERT_EQ(lines.size(), 6 * 104);
    EXPECT_EQ(lines.left(5), "0120;");
    EXPECT_EQ(lines.mid(5 * 104, 5), "0125;");
    EXPECT_EQ(rig.folder.read("plant.DIR").left(table.size()), table.toLatin1());
    EXPECT_EQ(rig.storedPointer(), 126);
    const QString today = QDate::currentDate().toString("dd/MM/yyyy");
    EXPECT_EQ(rig.folder.read("plant.PUN").mid(22, 10), today.toLatin1());
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({"Dati salvati correttamente nel file " + table, kResumed}));
    EXPECT_EQ(rig.session.status.text(StatusTexts::LastBlock), "Ultimo Blocco: 126");
    EXPECT_EQ(rig.session.status.text(StatusTexts::LastDownloadDate),
              "Data Ultimo scarico: " + today);

    rig.prompter.answerNext(true);
    rig.click(*fetch, "Command2");
    EXPECT_EQ(rig.prompter.texts().mid(2), QStringList({"Confermi l'uscita?"}));
    EXPECT_EQ(rig.port.logger().commands().count("Z"), 1); // scanning resumed once
}

TEST(AutomaticDownload, SaysSoWhenThePointerIsPastTheLoggersLastBlock) {
    AutomaticRig rig(126, 126);
    ASSERT_TRUE(rig.open());
    EXPECT_EQ(rig.prompter.texts(),
              QStringList({"Attenzione l'ultimo blocco memorizzato ט minore dell'ultimo "
                           "scarico dati"}));
    EXPECT_FALSE(rig.startShown());

    rig.click(*rig.first, "Command2");
    EXPECT_EQ(rig.prompter.texts().last(), kResumed);
    EXPECT_TRUE(rig.blockRequests().isEmpty());
}

TEST(AutomaticDownload, IsNotShownWhenTheLoggerCannotBeReached) {
    AutomaticRig rig(0, 10);
    rig.faults().silent = true;
    EXPECT_FALSE(rig.open());
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected}));
    EXPECT_FALSE(rig.session.link.state().linkAborted);
    EXPECT_EQ(rig.session.link.state().linkFailed, 1);
}

TEST(AutomaticDownload, ALineThatFailsPartWayLetsTheUserLeaveButSavesNothing) {
    AutomaticRig rig(100, 200);
    rig.faults().silentAfterCommands = 1 + 1 + 3; // "z", "j" and three blocks
    const QByteArray pointerBefore = rig.folder.read("plant.PUN");
    ASSERT_TRUE(rig.open());
    AutomaticFetchScreen* fetch = rig.start();
    ASSERT_TRUE(fetch);

    EXPECT_EQ(rig.blockRequests().size(), 3);
    EXPECT_EQ(rig.prompter.texts(), QStringList({link_texts::notConnected}));
    EXPECT_FALSE(rig.enabled("Command1"));
    EXPECT_TRUE(rig.enabled("Command2"));
    EXPECT_FALSE(rig.session.link.state().linkAborted);

    rig.prompter.answerNext(true);
    rig.click(*fetch, "Command2");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(rig.fetchScreen());
    EXPECT_EQ(rig.folder.read("plant.PUN"), pointerBefore);
    EXPECT_TRUE(rig.files.saveRequests().isEmpty());
}

} // namespace
} // namespace korven
