#pragma once

#include <QString>

// One name per screen: its object name, the name it gives itself as the
// caller of the link (so the wake-up's progress reaches its label), and its
// entry in the main window's catalogue.
namespace korven::screen_name {

inline const QString loaderPicture = QStringLiteral("Form1");
inline const QString blockViewer = QStringLiteral("Form2");
inline const QString systemSetupEditor = QStringLiteral("Form3");
inline const QString rs232Settings = QStringLiteral("Form4");
inline const QString channelReading = QStringLiteral("Form5");
inline const QString scanSettings = QStringLiteral("Form6");
inline const QString configuration = QStringLiteral("Form7");
inline const QString automaticDownload = QStringLiteral("Form9");
inline const QString passwordPrompt = QStringLiteral("Form10");
inline const QString passwordSwitch = QStringLiteral("Form11");
inline const QString passwordChange = QStringLiteral("Form12");
inline const QString automaticFetch = QStringLiteral("Form17");
inline const QString transmission = QStringLiteral("Form27");
inline const QString generalParameters = QStringLiteral("Form28");
inline const QString singleChannelReading = QStringLiteral("Form36");
inline const QString channelSetup = QStringLiteral("Form41");
inline const QString modemSetup = QStringLiteral("Form71");
inline const QString modemWait = QStringLiteral("Form72");
inline const QString about = QStringLiteral("About");
inline const QString chart = QStringLiteral("Chart");
inline const QString archive = QStringLiteral("Archivio");

} // namespace korven::screen_name
