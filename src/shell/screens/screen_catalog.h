#pragma once

#include <QWidget>

#include <functional>

namespace korven {

struct Session;

// Makes one of the screens that other parts of the program provide, ready to
// be shown; nullptr when there is nothing to show.
using ScreenFactory = std::function<QWidget*(Session&)>;

// The screens the main window opens from its menus but does not own. An empty
// entry is a screen not in this release: its menu item says so.
struct ScreenCatalog {
    ScreenFactory rs232Settings;        // "Impostazione RS232"
    ScreenFactory modemSetup;           // "Modem Setup"
    ScreenFactory systemSetupEditor;    // "Setup Sistema"
    ScreenFactory channelSetup;         // "KORVEN Setup", behind the password
    ScreenFactory scanSettings;         // "Scansione e memorizzazione", behind the password
    ScreenFactory generalParameters;    // "Parametri Generali", behind the password
    ScreenFactory channelReading;       // "Lettura Canali"
    ScreenFactory singleChannelReading; // "REAL TIME READING"
    ScreenFactory blockViewer;          // the manual download's block viewer
    ScreenFactory automaticDownload;    // "Scarico Automatico"
    ScreenFactory archive;              // "Archivio", the station archive
    // Starts or ends the modem connection ("Attivazione Modem").
    std::function<void(Session&)> switchModemConnection;
};

} // namespace korven
