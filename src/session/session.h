#pragma once

#include "link/logger_link.h"
#include "link/modem/modem_state.h"
#include "link/port_settings.h"
#include "link/progress_labels.h"
#include "link/prompting_reporter.h"
#include "platform/document_opener.h"
#include "platform/file_chooser.h"
#include "platform/print_preview.h"
#include "platform/prompter.h"
#include "platform/serial_port.h"
#include "platform/ticks.h"
#include "session/exchange_guard.h"
#include "session/modem_menu_item.h"
#include "session/password_target.h"
#include "session/status_texts.h"
#include "system_setup/installation.h"
#include "system_setup/settings_file.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace korven {

// The process-wide state of one run of the program: the outside world behind
// its seams, the current set-up files, the shared in-memory records and the
// values the screens hand to each other. Owned by main() (or by a test) and
// handed to every screen that needs it.
struct Session {
    Session(SerialPort& port, Ticks& ticks, Prompter& prompter, FileChooser& files,
            DocumentOpener& documents, PrintPreview& printer, const QString& programFolder)
        : port(port), ticks(ticks), prompter(prompter), files(files), documents(documents),
          printer(printer), programFolder(programFolder), settings(programFolder) {}

    SerialPort& port;
    Ticks& ticks;
    Prompter& prompter;
    FileChooser& files;
    DocumentOpener& documents;
    // The printer of the set-up sheets, with its preview.
    PrintPreview& printer;

    // Where "config.dat", the file dialogs' initial folder and the manual live.
    QString programFolder;
    Settings settings;

    // The current set-up files and their shared in-memory records.
    Installation installation;

    // Read from the identity file of the current system set-up.
    QString linkFlag;    // "1": the modem is not activated
    int loggerCount = 0; // "Nr. Logger"
    // The COM and speed index last read from the identity file, or chosen on
    // "Impostazione RS232".
    PortSettings portSettings;

    QString dataFileName; // the data file name, up to its first blank
    bool automaticDownload = false;
    // Where the download screens' save dialogs open once one was used.
    QString lastSaveFolder;
    // The user confirmed Exit: the screens close without questions of their own.
    bool exiting = false;
    // "Salva in archivio": keeps downloaded blocks, each given as the cells of
    // its grid row, in the station archive and tells the user how it went.
    // Empty where there is no archive.
    std::function<void(const QList<QStringList>& rows)> archiveBlocks;

    StatusTexts status;

    // The status-bar clock counts seconds modulo 30 here; the block request
    // sets it back to 0 for every character it receives.
    int halfMinuteTicks = 0;
    // The screen the password prompt opens once the right password is typed.
    PasswordTarget pendingPasswordTarget = PasswordTarget::None;
    ModemMenuItem modemMenu;
    // The modem connection: up or not, and what the local modem is doing.
    ModemState modem;

    // The status labels of the screens that show the link's progress, and the
    // link's reports shown as message boxes, those labels and the hourglass.
    ProgressLabels progressLabels;
    PromptingReporter linkReporter{prompter, progressLabels};
    // The one link to the loggers: its state, and one conversation at a time.
    LoggerLink link{port, ticks, linkReporter};
    // The screens that talk to a logger, so that one keeps the line while it
    // talks or holds a woken logger.
    LineUsers lineUsers;
};

} // namespace korven
