#pragma once

#include "shell/screens/screen_catalog.h"

namespace korven {

// The screens of this release that the main window opens but does not own.
ScreenCatalog korvenScreens();

} // namespace korven
