#include "platform/widgets/qt_italian_texts.h"

#include <QLibraryInfo>
#include <QLocale>

namespace korven {

namespace {

// Texts Qt 6 asks for under names its Italian catalogue does not hold (they
// moved to a new context with a disambiguation): the kinds the file dialog
// gives a folder or a drive.
struct MissingText {
    const char* context;
    const char* source;
    const char* italian;
};

constexpr MissingText kMissingTexts[] = {
    {"QAbstractFileIconProvider", "Folder", "Cartella"},
    {"QAbstractFileIconProvider", "Drive", "Unità"},
    {"QAbstractFileIconProvider", "File", "File"},
    {"QAbstractFileIconProvider", "%1 File", "File %1"},
    {"QAbstractFileIconProvider", "Shortcut", "Collegamento"},
};

// Qt's Italian catalogue with the texts it lacks.
class ItalianQtTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        for (const MissingText& text : kMissingTexts) {
            if (qstrcmp(context, text.context) == 0 && qstrcmp(source, text.source) == 0)
                return QString::fromUtf8(text.italian);
        }
        return QTranslator::translate(context, source, disambiguation, n);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

std::unique_ptr<QTranslator> qtItalianTexts() {
    auto translator = std::make_unique<ItalianQtTexts>();
    // The dialogs and message boxes are all in the base module.
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

} // namespace korven
