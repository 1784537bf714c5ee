#include "shell/screens/main_window.h"

#include "logger_setup/screens/password_change_screen.h"
#include "logger_setup/screens/password_prompt.h"
#include "logger_setup/screens/password_switch_screen.h"
#include "logger_setup/screens/password_texts.h"
#include "platform/widgets/screen_frame.h"
#include "session/logger_file_command.h"
#include "session/modem_check.h"
#include "session/modem_line.h"
#include "session/password_gate.h"
#include "session/screen_names.h"
#include "session/session.h"
#include "session/startup_loader.h"
#include "session/system_file_command.h"
#include "shell/manual.h"
#include "shell/screens/about_box.h"
#include "shell/screens/korven_icon.h"
#include "shell/screens/korven_picture.h"
#include "shell/screens/main_menu.h"
#include "shell/screens/status_bars.h"
#include "shell/shell_texts.h"
#include "system_setup/screens/configuration_screen.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QVBoxLayout>

namespace korven {
namespace {

constexpr int kClockInterval = 200;

} // namespace

MainWindow::MainWindow(Session& session, ScreenCatalog screens, std::function<void()> endProgram,
                       QWidget* parent)
    : QMainWindow(parent), session_(session), screens_(std::move(screens)),
      endProgram_(std::move(endProgram)), area_(new QMdiArea), clock_(session) {
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("KORVEN"));
    // Every window of the program (screens, messages, dialogs) takes the
    // program's icon from here, not the toolkit's.
    QApplication::setWindowIcon(korvenIcon());

    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area_, 1);
    layout->addWidget(new StatusBars(session.status, centre));
    setCentralWidget(centre);

    connectMenu(buildMainMenu(*menuBar()));
    connect(&session.modemMenu, &ModemMenuItem::changed, this, &MainWindow::showModemItem);
    showModemItem();

    clockTimer_.setObjectName(QStringLiteral("Timer1"));
    clockTimer_.setInterval(kClockInterval);
    connect(&clockTimer_, &QTimer::timeout, this,
            [this] { clock_.tick(QDateTime::currentDateTime()); });
    clock_.tick(QDateTime::currentDateTime());
    clockTimer_.start();
}

void MainWindow::load() {
    showLoaderPicture();
    runStartupLoader(session_);
}

void MainWindow::connectMenu(const QHash<QString, QAction*>& items) {
    const auto on = [&items, this](QStringView name, auto handler) {
        connect(items.value(name.toString()), &QAction::triggered, this, handler);
    };
    on(u"Sistema", [this] { chooseSystemFile(session_); });
    on(u"veskar", [this] { chooseLoggerSetupFile(session_); });
    on(u"Mod_seriale",
       [this] { openSettingsScreen(screen_name::rs232Settings, screens_.rs232Settings); });
    on(u"Mod_modem", [this] { openSettingsScreen(screen_name::modemSetup, screens_.modemSetup); });
    on(u"Mod_canali",
       [this] { openSettingsScreen(screen_name::systemSetupEditor, screens_.systemSetupEditor); });
    on(u"generale", [this] {
        openScreen(screen_name::configuration,
                   [this] { return new ConfigurationScreen(session_); });
    });
    on(u"pass_att", [this] { switchPassword(); });
    on(u"pass_mod", [this] {
        openScreen(screen_name::passwordChange,
                   [this] { return new PasswordChangeScreen(session_); });
    });
    on(u"Lettura_conf", [this] { sayNotInThisRelease(); });
    on(u"SET_CAN_VESKAR", [this] {
        passGate(PasswordTarget::ChannelSetup);
        unsetCursor();
    });
    on(u"Freq_acq", [this] { passGate(PasswordTarget::ScanSettings); });
    on(u"gene_VESKAR", [this] { passGate(PasswordTarget::GeneralParameters); });
    on(u"Modem", [this] { switchModemConnection(); });
    on(u"leggi_tutti",
       [this] { openLinkedScreen(screen_name::channelReading, screens_.channelReading); });
    on(u"leggi_uno",
       [this] { openScreen(screen_name::singleChannelReading, screens_.singleChannelReading); });
    on(u"sc_manuale", [this] {
        setCursor(Qt::WaitCursor);
        session_.automaticDownload = false;
        openScreen(screen_name::blockViewer, screens_.blockViewer);
        unsetCursor();
    });
    on(u"sc_autom", [this] {
        session_.automaticDownload = true;
        openLinkedScreen(screen_name::automaticDownload, screens_.automaticDownload);
    });
    on(u"sc_archivio", [this] { openScreen(screen_name::archive, screens_.archive); });
    on(u"mnuManuale", [this] { openManual(session_); });
    on(u"mnuAbout", [this] {
        openScreen(screen_name::about, [this] { return new AboutBox(session_.documents); });
    });
    on(u"extm", [this] { confirmExit(); });
    modemItem_ = items.value(QStringLiteral("Modem"));
}

void MainWindow::showModemItem() {
    modemItem_->setText(session_.modemMenu.caption());
    modemItem_->setEnabled(session_.modemMenu.isEnabled());
}

void MainWindow::showLoaderPicture() {
    auto* picture = new KorvenPicture;
    picture->setObjectName(screen_name::loaderPicture);
    QMdiSubWindow* window = area_->addSubWindow(picture, Qt::FramelessWindowHint);
    window->show();
    window->move((area_->width() - window->width()) / 2, (area_->height() - window->height()) / 3);
}

void MainWindow::openScreen(const QString& name, const std::function<QWidget*()>& make) {
    for (QMdiSubWindow* window : area_->subWindowList()) {
        const QWidget* screen = window->widget();
        // A screen that has just closed is still listed until it is deleted.
        if (screen && screen->objectName() == name && !screen->isHidden()) {
            area_->setActiveSubWindow(window);
            return;
        }
    }
    QWidget* screen = make();
    if (!screen)
        return;
    showInFrame(*area_, screen);
}

void MainWindow::openScreen(const QString& name, const ScreenFactory& factory) {
    if (!factory) {
        sayNotInThisRelease();
        return;
    }
    openScreen(name, [this, &factory] { return factory(session_); });
}

void MainWindow::openLinkedScreen(const QString& name, const ScreenFactory& factory) {
    if (!factory) {
        sayNotInThisRelease();
        return;
    }
    openScreen(name, [this, &factory]() -> QWidget* {
        QWidget* screen = factory(session_);
        LinkState& link = session_.link.state();
        if (!link.linkAborted)
            return screen;
        link.linkAborted = false;
        delete screen;
        return nullptr;
    });
}

void MainWindow::openSettingsScreen(const QString& name, const ScreenFactory& factory) {
    if (refuseWhileModemConnected(session_))
        return;
    openScreen(name, factory);
}

void MainWindow::openPasswordTarget(PasswordTarget target) {
    switch (target) {
    case PasswordTarget::ChannelSetup:
        openScreen(screen_name::channelSetup, screens_.channelSetup);
        break;
    case PasswordTarget::ScanSettings:
        openScreen(screen_name::scanSettings, screens_.scanSettings);
        break;
    case PasswordTarget::GeneralParameters:
        openScreen(screen_name::generalParameters, screens_.generalParameters);
        break;
    case PasswordTarget::None:
        break;
    }
}

void MainWindow::passGate(PasswordTarget target) {
    passPasswordGate(
        session_, target, [this](PasswordTarget pending) { openPasswordTarget(pending); },
        [this] {
            openScreen(screen_name::passwordPrompt, [this] {
                return new PasswordPrompt(
                    session_, [this](PasswordTarget pending) { openPasswordTarget(pending); });
            });
        });
}

void MainWindow::switchPassword() {
    const QString& question = session_.settings.passwordActive() ? password_texts::askSwitchOff
                                                                 : password_texts::askSwitchOn;
    if (!session_.prompter.askYesNo(question, MessageIcon::None))
        return;
    openScreen(screen_name::passwordSwitch, [this] { return new PasswordSwitchScreen(session_); });
}

void MainWindow::switchModemConnection() {
    if (!screens_.switchModemConnection) {
        sayNotInThisRelease();
        return;
    }
    screens_.switchModemConnection(session_);
}

void MainWindow::confirmExit() {
    if (!session_.prompter.askYesNo(shell_texts::confirmExit, MessageIcon::Critical, true))
        return;
    session_.exiting = true;
    endOnceLineIsFree();
}

void MainWindow::endOnceLineIsFree() {
    if (programEnded_)
        return;
    // Every screen closes, a logger one of them woke going back to scanning.
    // An exchange still running (the question may have come in the middle of
    // one) is stopped; its screen closes once it has unwound, and then the
    // program ends.
    session_.link.requestStop();
    area_->closeAllSubWindows();
    if (session_.link.busy()) {
        for (QMdiSubWindow* frame : area_->subWindowList())
            connect(frame, &QObject::destroyed, this, &MainWindow::endOnceLineIsFree,
                    static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::UniqueConnection));
        return;
    }
    programEnded_ = true;
    // A line left held costs money and keeps the remote logger from others.
    hangUpBeforeExit(session_);
    endProgram_();
}

void MainWindow::sayNotInThisRelease() {
    session_.prompter.message(shell_texts::notInThisRelease, MessageIcon::Critical);
}

} // namespace korven
