#pragma once

#include "session/password_target.h"
#include "shell/screens/screen_catalog.h"
#include "shell/status_clock.h"

#include <QHash>
#include <QMainWindow>
#include <QTimer>

#include <functional>

class QAction;
class QMdiArea;

namespace korven {

struct Session;

// "KORVEN": the window the program lives in from start to end. Its menus open
// every other screen inside it; its status bars show the installation, the
// port, the clock and the modem connection.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `endProgram` ends the run at once when the user confirms Exit.
    MainWindow(Session& session, ScreenCatalog screens, std::function<void()> endProgram,
               QWidget* parent = nullptr);

    // What showing the window for the first time does: the start-up picture,
    // then the start-up loader.
    void load();

private:
    void connectMenu(const QHash<QString, QAction*>& items);
    void showModemItem();
    void showLoaderPicture();

    // Shows a screen inside the window; one window per screen, so asking for
    // an open one brings it forward instead.
    void openScreen(const QString& name, const std::function<QWidget*()>& make);
    void openScreen(const QString& name, const ScreenFactory& factory);
    // For the screens that talk to a logger while they load: one whose link
    // failed meanwhile is dropped instead of shown.
    void openLinkedScreen(const QString& name, const ScreenFactory& factory);
    void openSettingsScreen(const QString& name, const ScreenFactory& factory);
    void openPasswordTarget(PasswordTarget target);
    void passGate(PasswordTarget target);
    void switchPassword();
    void switchModemConnection();
    void confirmExit();
    void endOnceLineIsFree();
    void sayNotInThisRelease();

    Session& session_;
    ScreenCatalog screens_;
    std::function<void()> endProgram_;
    bool programEnded_ = false;
    QMdiArea* area_;
    QAction* modemItem_ = nullptr;
    StatusClock clock_;
    QTimer clockTimer_;
};

} // namespace korven
