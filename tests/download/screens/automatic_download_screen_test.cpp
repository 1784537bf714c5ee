#include "download/screens/automatic_download_screen.h"

#include "download/download_rig.h"
#include "download/screens/automatic_fetch_screen.h"
#include "link/link_texts.h"
#include "platform/process_lock.h"
#include "support/qt_printers.h"

#include <QDate>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

namespace korven {
namespace {

using test::kResumed;

// The two automatic download screens on the simulated logger.
struct AutomaticRig : test::DownloadRig {
    AutomaticRig(int pointer, int loggerBlocks) : DownloadRig(test::loggerWith(loggerBlocks)) {
        writeDownloadPointer(pointer);
    }
    ~AutomaticRig() { delete fetchScreen(); }

    // Opens the first screen as the menu does; true when it is still up once shown.
    bool open() {
        first.reset(static_cast<AutomaticDownloadScreen*>(makeAutomaticDownloadScreen(session)));
        first->show();
        QCoreApplication::processEvents();
        return first->isVisible();
    }
    QString label(const char* name) { return child<QLabel>(*first, name)->text(); }
    bool startShown() { return child(*first, "startFrame")->isVisibleTo(first.get()); }

    // Start on the first screen: the second one appears and fetches.
    AutomaticFetchScreen* start() {
        click(*first, "Command1");
        QCoreApplication::processEvents();
        return fetchScreen();
    }
    static AutomaticFetchScreen* fetchScreen() { return openWindow<AutomaticFetchScreen>(); }
    bool enabled(const char* button) {
        return child<QPushButton>(*fetchScreen(), button)->isEnabled();
    }
    // Whether korvenctl could start a download on the installation now.
    bool installationFree() { return static_cast<bool>(ProcessLock(lockPath).take()); }

    const QString lockPath = installationLockPath(session.installation.systemFilePath);
    std::unique_ptr<AutomaticDownloadScreen> first;
};

const QString kPointerPast =
    QStringLiteral("Attenzione l'ultimo blocco memorizzato è minore dell'ultimo scarico dati");
const QString kBehind =
    kPointerPast + QStringLiteral("\rLa memoria del KORVEN è stata azzerata o il KORVEN "
                                  "è stato sostituito.\rScaricare i dati dal blocco 0?");

// A logger behind the pointer, taken from its block 0 as offered.
TEST(AutomaticDownload, FetchesTheNewBlocksExportsSavesAndHoldsTheInstallationThroughout) {
    AutomaticRig rig(300, 50);
    rig.prompter.answerNext(true);
    ASSERT_TRUE(rig.open());
    EXPECT_EQ(rig.prompter.texts(), QStringList{kBehind});
    EXPECT_EQ(rig.label("informationLine"),
              "Ultimo blocco memorizzato: 49\nVerranno scaricati 50 blocchi");
    EXPECT_TRUE(rig.startShown());
    EXPECT_FALSE(rig.installationFree());

    AutomaticFetchScreen* fetch = rig.start();
    ASSERT_TRUE(fetch);
    EXPECT_FALSE(rig.first->isVisible());
    EXPECT_EQ(rig.blockRequests().size(), 50);
    EXPECT_EQ(rig.blockRequests().first(), "S000");
    EXPECT_TRUE(rig.enabled("Command2"));
    EXPECT_FALSE(rig.installationFree());

    ASSERT_TRUE(rig.enabled("exportCsv"));
    rig.files.chooseNext(rig.folder.path("dati"));
    rig.click(*fetch, "exportCsv");
    EXPECT_EQ(rig.child<QLabel>(*fetch, "reportLine")->text(),
              "50 blocchi esportati nel file " + rig.folder.path("dati.csv"));
    EXPECT_EQ(rig.storedPointer(), 300) << "an export is no download";

    ASSERT_TRUE(rig.enabled("Command1"));
    const QString table = rig.folder.path("scarico.txt");
    rig.files.chooseNext(table);
    rig.click(*fetch, "Command1");
    ASSERT_EQ(rig.files.saveRequests().size(), 2);
    EXPECT_EQ(rig.files.saveRequests()[1].filter, " FILE (*.txt)|*.txt|");
    EXPECT_EQ(rig.tableBlocks("scarico.txt").size(), 50);
    EXPECT_EQ(rig.storedPointer(), 50);
    const QString today = QDate::currentDate().toString("dd/MM/yyyy");
    EXPECT_EQ(rig.prompter.texts().mid(1),
              QStringList({"Dati salvati correttamente nel file " + table, kResumed}));
    EXPECT_EQ(rig.session.status.text(StatusTexts::LastBlock), "Ultimo Blocco: 50");
    EXPECT_EQ(rig.session.status.text(StatusTexts::LastDownloadDate),
              "Data Ultimo scarico: " + today);
    EXPECT_FALSE(rig.installationFree());

    rig.prompter.answerNext(true);
    rig.click(*fetch, "Command2");
    EXPECT_EQ(rig.prompter.texts().mid(3), QStringList({"Confermi l'uscita?"}));
    EXPECT_EQ(rig.port.logger().commands().count("Z"), 1); // scanning resumed once
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rig.installationFree());
}

// Nothing to fetch: the screen says why, offers no start, and leaving resumes the scanning.
TEST(AutomaticDownload, SaysWhyThereIsNothingToFetchAndResumesOnLeaving) {
    struct Case {
        int pointer, blocks;
        QString told;
    };
    for (const Case& c :
         {Case{126, 126, kPointerPast}, Case{0, 0, "Nessun blocco memorizzato nel KORVEN"},
          Case{300, 50, kBehind}}) {
        SCOPED_TRACE(c.pointer);
        AutomaticRig rig(c.pointer, c.blocks);
        rig.prompter.answerNext(false);
        QString during;
        QString message;
        rig.clock.at(1'000, [&] {
            during = rig.label("statusLabel");
            message = rig.label("messageLine");
        });
        ASSERT_TRUE(rig.open());
        EXPECT_EQ(rig.prompter.texts(), QStringList{c.told});
        EXPECT_FALSE(rig.startShown());
        EXPECT_TRUE(during.startsWith("Attesa ")) << qPrintable(during);
        EXPECT_EQ(message, "ATTENDERE. Accensione KORVEN");
        EXPECT_EQ(rig.label("statusLabel"), "");
        EXPECT_EQ(rig.label("messageLine"), "");

        rig.click(*rig.first, "Command2");
        EXPECT_EQ(rig.prompter.texts().last(), kResumed);
        EXPECT_TRUE(rig.blockRequests().isEmpty());
    }
}

TEST(AutomaticDownload, AnotherProgramsDownloadIsNamedAndTheLoggerLeftAlone) {
    AutomaticRig rig(120, 126);
    ProcessLock other(rig.lockPath);
    ASSERT_TRUE(other.take());
    EXPECT_FALSE(rig.open());
    ASSERT_EQ(rig.prompter.texts().size(), 1);
    EXPECT_TRUE(rig.prompter.texts()[0].startsWith(
        QStringLiteral("ATTENZIONE: l'installazione è in uso da %1 (processo %2 sul computer ")
            .arg(QCoreApplication::applicationName())
            .arg(QCoreApplication::applicationPid())))
        << qPrintable(rig.prompter.texts()[0]);
    EXPECT_TRUE(rig.port.writes().isEmpty());
}

TEST(AutomaticDownload, APortThatCannotBeOpenedIsSaidAndTheScreenStays) {
    AutomaticRig rig(0, 10);
    rig.port.setPortMissing(1);
    ASSERT_TRUE(rig.open());
    EXPECT_EQ(rig.prompter.texts(), QStringList({"Porta seriale non valida"}));
    EXPECT_EQ(rig.label("messageLine"), "");
    EXPECT_FALSE(rig.startShown());
    rig.click(*rig.first, "Command2");
    EXPECT_FALSE(rig.first->isVisible());
    EXPECT_TRUE(rig.port.writes().isEmpty());
    EXPECT_EQ(rig.prompter.texts().size(), 1);
}

TEST(AutomaticDownload, ClosesWhenTheLoggerCannotBeReached) {
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
