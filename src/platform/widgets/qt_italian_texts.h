#pragma once

#include <QTranslator>

#include <memory>

namespace korven {

// Qt's own texts - the buttons of the message boxes, the file dialogs and
// their questions - in Italian, like the rest of the program; for
// QCoreApplication::installTranslator. Qt's catalogue lacks the kinds of the
// file list ("Folder"); this one gives them too. Empty when Qt's translations
// are not installed: those texts then stay in English.
std::unique_ptr<QTranslator> qtItalianTexts();

} // namespace korven
