#pragma once

#include "download/block_fetch.h"
#include "download/block_grid.h"
#include "link/logger_link.h"

#include <QString>

#include <optional>

class QCloseEvent;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// A caption or message of download_texts, which are UTF-8.
inline QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Ends a conversation while its screen stays up: a stop or failure no longer
// counts, the port is closed and the link is free again.
void endConversation(Session& session, std::optional<Conversation>& conversation);

// Fetches blocks `first` to `last` over the woken logger of `conversation`
// into `grid`, bringing each new row into `view` and the pace onto
// `progress`, and tells the user why when the fetch breaks off. The rows
// already in stay. The conversation is then ended and the busy pointer put
// away.
FetchResult fetchIntoGrid(Session& session, std::optional<Conversation>& conversation, int first,
                          int last, BlockGrid& grid, BlockGridView& view,
                          DownloadProgressBar& progress, const DigitalInputFlags& digitalInputs);

// Closes a screen that may have left the logger woken, unless the link is
// busy: a woken logger goes back to scanning and the link forgets the screen.
void closeReleasingLogger(Session& session, bool& loggerWoken, QCloseEvent* event);

} // namespace korven
