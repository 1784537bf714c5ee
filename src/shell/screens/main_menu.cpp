#include "shell/screens/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace korven {
namespace {

enum class Kind { Menu, Item };

struct MenuEntry {
    const char* name;
    const char* caption;
    const char* parent; // nullptr: on the menu bar itself
    Kind kind;
};

// In the order they appear; a menu comes before its items.
constexpr MenuEntry kEntries[] = {
    {"sysetup", "File", nullptr, Kind::Menu},
    {"Sistema", "Sistema", "sysetup", Kind::Item},
    {"veskar", "KORVEN", "sysetup", Kind::Item},
    {"Mod_config", "Configurazione", nullptr, Kind::Menu},
    {"Mod_sistems", "Sistema", "Mod_config", Kind::Menu},
    {"Mod_seriale", "Seriale", "Mod_sistems", Kind::Item},
    {"Mod_modem", "Modem", "Mod_sistems", Kind::Item},
    {"Mod_canali", "Set up canali", "Mod_sistems", Kind::Item},
    {"generale", "Generale", "Mod_sistems", Kind::Item},
    {"Passw", "Password", "Mod_config", Kind::Menu},
    {"pass_att", "Attiva/disattiva", "Passw", Kind::Item},
    {"pass_mod", "Modifica", "Passw", Kind::Item},
    {"Mod_VESKAR", "KORVEN", "Mod_config", Kind::Menu},
    {"Lettura_conf", "Leggi configurazione", "Mod_VESKAR", Kind::Item},
    {"SET_CAN_VESKAR", "Set up canali", "Mod_VESKAR", Kind::Item},
    {"Freq_acq", "Frequenza acquisizione", "Mod_VESKAR", Kind::Item},
    {"gene_VESKAR", "Generale", "Mod_VESKAR", Kind::Item},
    {"Modem", "Attivazione Modem", nullptr, Kind::Item},
    {"Lettura", "Lettura canali", nullptr, Kind::Menu},
    {"leggi_tutti", "Leggi tutti i canali", "Lettura", Kind::Item},
    {"leggi_uno", "Leggi un solo canale", "Lettura", Kind::Item},
    {"scarico", "Scarico dati", nullptr, Kind::Menu},
    {"sc_manuale", "Manuale", "scarico", Kind::Item},
    {"sc_autom", "Automatico", "scarico", Kind::Item},
    {"mnuHelp", "Help", nullptr, Kind::Menu},
    {"mnuManuale", "Manuale", "mnuHelp", Kind::Item},
    {"mnuAbout", "KORVEN", "mnuHelp", Kind::Item},
    {"extm", "Exit", nullptr, Kind::Item},
};

} // namespace

QHash<QString, QAction*> buildMainMenu(QMenuBar& bar) {
    QHash<QString, QMenu*> menus;
    QHash<QString, QAction*> items;
    for (const MenuEntry& entry : kEntries) {
        const QString name = QString::fromLatin1(entry.name);
        const QString caption = QString::fromLatin1(entry.caption);
        QMenu* parent = entry.parent ? menus.value(QString::fromLatin1(entry.parent)) : nullptr;
        if (entry.kind == Kind::Menu) {
            QMenu* menu = parent ? parent->addMenu(caption) : bar.addMenu(caption);
            menu->setObjectName(name);
            menus.insert(name, menu);
            continue;
        }
        auto* action = new QAction(caption, &bar);
        action->setObjectName(name);
        if (parent)
            parent->addAction(action);
        else
            bar.addAction(action);
        items.insert(name, action);
    }
    return items;
}

} // namespace korven
