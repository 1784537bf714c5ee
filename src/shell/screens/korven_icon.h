#pragma once

#include <QIcon>

namespace korven {

// The program's window icon: the picture's dark field and green trace under a
// white "K", drawn at the sizes title bars and task bars ask for.
QIcon korvenIcon();

} // namespace korven
