#pragma once

namespace korven {

// The hourglass over the whole program while a logger is being talked to, and
// the normal pointer everywhere afterwards. Meant for LoggerLink::setBusyPointer.
void showBusyPointer(bool busy);

} // namespace korven
