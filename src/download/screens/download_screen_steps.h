#pragma once

#include "download/download_job.h"

class QCloseEvent;

namespace korven {

struct Session;
class BlockGridView;
class DownloadProgressBar;

// What a download screen shows while its job fetches: each new row brought
// into view, the pace on the progress bar, and the status-bar clock told that
// the logger is heard.
DownloadObserver screenObserver(Session& session, BlockGridView& view,
                                DownloadProgressBar& progress);

// Closes a download screen, unless the link is busy: a logger the job woke
// goes back to scanning and the link forgets the screen.
void closeReleasingLogger(Session& session, DownloadJob& job, QCloseEvent* event);

} // namespace korven
