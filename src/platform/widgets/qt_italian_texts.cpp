#include "platform/widgets/qt_italian_texts.h"

#include <QLibraryInfo>
#include <QLocale>

namespace korven {

std::unique_ptr<QTranslator> qtItalianTexts() {
    auto translator = std::make_unique<QTranslator>();
    // The dialogs and message boxes are all in the base module.
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

} // namespace korven
