#include "download/screens/download_screen_steps.h"

#include "download/screens/block_grid_view.h"
#include "download/screens/download_progress_bar.h"
#include "session/session.h"

#include <QCloseEvent>

namespace korven {

DownloadObserver screenObserver(Session& session, BlockGridView& view,
                                DownloadProgressBar& progress) {
    return {[&view](int block) { view.showBlock(block); },
            [&progress](const DownloadProgress& pace) { progress.showProgress(pace); },
            [&session] { session.halfMinuteTicks = 0; }};
}

void closeReleasingLogger(Session& session, DownloadJob& job, QCloseEvent* event) {
    if (session.link.busy()) {
        event->ignore();
        return;
    }
    job.resume();
    session.link.state().callerScreen.clear();
    event->accept();
}

} // namespace korven
