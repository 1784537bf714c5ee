#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;

namespace korven {

// Fills the main window's menu bar with every menu and item, each named as
// the procedures refer to it ("Sistema", "Mod_seriale", "extm", ...), and
// returns the items by name for the window to connect.
QHash<QString, QAction*> buildMainMenu(QMenuBar& bar);

} // namespace korven
