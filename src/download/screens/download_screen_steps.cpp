#include "download/screens/download_screen_steps.h"

#include "download/screens/block_grid_view.h"
#include "download/screens/download_progress_bar.h"
#include "shell/session.h"

#include <QCloseEvent>

namespace korven {

void endConversation(Session& session, std::optional<Conversation>& conversation) {
    session.link.state().linkAborted = false;
    conversation->closePort();
    conversation.reset();
}

FetchResult fetchIntoGrid(Session& session, std::optional<Conversation>& conversation, int first,
                          int last, BlockGrid& grid, BlockGridView& view,
                          DownloadProgressBar& progress, const DigitalInputFlags& digitalInputs) {
    FetchRequest request;
    request.first = first;
    request.last = last;
    request.onBlock = [&](int block, const BlockText& text) {
        grid.fillBlockRow(block, text, digitalInputs);
        view.showBlock(block);
    };
    request.onProgress = [&progress](const DownloadProgress& pace) { progress.showProgress(pace); };
    request.heardFromLogger = [&session] { session.halfMinuteTicks = 0; };
    const FetchResult result = fetchBlocks(*conversation, request);
    reportFetchFailure(*conversation, result.end);
    endConversation(session, conversation);
    session.link.showBusyPointer(false);
    return result;
}

void closeReleasingLogger(Session& session, bool& loggerWoken, QCloseEvent* event) {
    if (session.link.busy()) {
        event->ignore();
        return;
    }
    if (loggerWoken) {
        loggerWoken = false;
        if (auto conversation = session.link.startConversation())
            conversation->resumeScanning(session.loggerSetupPath, session.loggerRecords.par);
    }
    session.link.state().callerScreen.clear();
    event->accept();
}

} // namespace korven
