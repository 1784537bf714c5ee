#include "archive/screens/archive_keeper.h"
#include "korven_screens.h"
#include "link/screens/busy_pointer.h"
#include "platform/qt_serial_port.h"
#include "platform/qt_ticks.h"
#include "platform/widgets/desktop_document_opener.h"
#include "platform/widgets/dialog_file_chooser.h"
#include "platform/widgets/message_box_prompter.h"
#include "platform/widgets/qt_italian_texts.h"
#include "platform/widgets/qt_print_preview.h"
#include "session/modem_line.h"
#include "session/session.h"
#include "shell/screens/main_window.h"
#include "shell/screens/splash_screen.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

using namespace korven;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KORVEN"));
    const std::unique_ptr<QTranslator> qtTexts = qtItalianTexts();
    if (qtTexts)
        QApplication::installTranslator(qtTexts.get());
    // The kinds of file the file dialogs name ("Codice sorgente C++") follow
    // the program's language, not the system's.
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    QtSerialPort port;
    QtTicks ticks;
    MessageBoxPrompter prompter;
    DialogFileChooser files;
    DesktopDocumentOpener documents;
    QtPrintPreview printer(files);
    // The program folder is where the program itself lies: "config.dat", the
    // set-up files' dialogs and the manual are found there.
    Session session(port, ticks, prompter, files, documents, printer,
                    QCoreApplication::applicationDirPath());

    session.linkReporter.setBusyPointer(showBusyPointer);
    session.archiveBlocks = archiveKeeper(session);

    MainWindow window(session, korvenScreens(), [] { QCoreApplication::exit(0); });
    prompter.setParentWindow(&window);
    files.setParentWindow(&window);
    printer.setParentWindow(&window);

    SplashScreen splash;
    QObject::connect(&splash, &SplashScreen::finished, &window, [&window] {
        // Without a window manager (a bare X server) maximizing does nothing,
        // so the window is given the whole screen itself first.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
        window.load();
    });
    splash.start();
    const int status = QApplication::exec();
    // However the program ends, a modem call it holds is hung up first.
    hangUpBeforeExit(session);
    return status;
}
