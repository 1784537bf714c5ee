#include "shell/screens/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringView>

namespace korven {
namespace {

enum class Kind { Menu, Item };

struct MenuEntry {
    QStringView name;
    QStringView caption;
    QStringView parent; // empty: on the menu bar itself
    Kind kind;
};

// In the order they appear; a menu comes before its items.
constexpr MenuEntry kEntries[] = {
    {u"sysetup", u"File", {}, Kind::Menu},
    {u"Sistema", u"Sistema", u"sysetup", Kind::Item},
    {u"veskar", u"KORVEN", u"sysetup", Kind::Item},
    {u"Mod_config", u"Configurazione", {}, Kind::Menu},
    {u"Mod_sistems", u"Sistema", u"Mod_config", Kind::Menu},
    {u"Mod_seriale", u"Seriale", u"Mod_sistems", Kind::Item},
    {u"Mod_modem", u"Modem", u"Mod_sistems", Kind::Item},
    {u"Mod_canali", u"Set up canali", u"Mod_sistems", Kind::Item},
    {u"generale", u"Generale", u"Mod_sistems", Kind::Item},
    {u"Passw", u"Password", u"Mod_config", Kind::Menu},
    {u"pass_att", u"Attiva/disattiva", u"Passw", Kind::Item},
    {u"pass_mod", u"Modifica", u"Passw", Kind::Item},
    {u"Mod_VESKAR", u"KORVEN", u"Mod_config", Kind::Menu},
    {u"Lettura_conf", u"Leggi configurazione", u"Mod_VESKAR", Kind::Item},
    {u"SET_CAN_VESKAR", u"Set up canali", u"Mod_VESKAR", Kind::Item},
    {u"Freq_acq", u"Frequenza acquisizione", u"Mod_VESKAR", Kind::Item},
    {u"gene_VESKAR", u"Generale", u"Mod_VESKAR", Kind::Item},
    {u"Modem", u"Attivazione Modem", {}, Kind::Item},
    {u"Lettura", u"Lettura canali", {}, Kind::Menu},
    {u"leggi_tutti", u"Leggi tutti i canali", u"Lettura", Kind::Item},
    {u"leggi_uno", u"Leggi un solo canale", u"Lettura", Kind::Item},
    {u"scarico", u"Scarico dati", {}, Kind::Menu},
    {u"sc_manuale", u"Manuale", u"scarico", Kind::Item},
    {u"sc_autom", u"Automatico", u"scarico", Kind::Item},
    {u"sc_archivio", u"Archivio", u"scarico", Kind::Item},
    {u"mnuHelp", u"Help", {}, Kind::Menu},
    {u"mnuManuale", u"Manuale", u"mnuHelp", Kind::Item},
    {u"mnuAbout", u"KORVEN", u"mnuHelp", Kind::Item},
    {u"extm", u"Exit", {}, Kind::Item},
};

} // namespace

QHash<QString, QAction*> buildMainMenu(QMenuBar& bar) {
    QHash<QString, QMenu*> menus;
    QHash<QString, QAction*> items;
    for (const MenuEntry& entry : kEntries) {
        const QString name = entry.name.toString();
        const QString caption = entry.caption.toString();
        QMenu* parent = entry.parent.isEmpty() ? nullptr : menus.value(entry.parent.toString());
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
