#pragma once

namespace korven {

struct Session;

// Opens the user manual from the program folder in the platform's PDF viewer.
// A missing manual or viewer is told to the user; nothing else changes.
void openManual(Session& session);

} // namespace korven
