#pragma once

#include <QList>
#include <QStringList>

#include <functional>

namespace korven {

struct Session;

// "Salva in archivio" of the download screens: the blocks of the grid rows
// given go into the program folder's archive under the current
// installation's station, with the current logger set-up's decimals, names
// and units; a message tells how many were new or why none were kept.
std::function<void(const QList<QStringList>& rows)> archiveKeeper(Session& session);

} // namespace korven
