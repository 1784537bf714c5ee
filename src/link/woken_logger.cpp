#include "link/woken_logger.h"

#include "link/resume_scanning.h"
#include "link/wake_logger.h"

namespace korven {

LinkStatus WokenLogger::wake(const PortSettings& settings) {
    auto conversation = link_.startConversation();
    if (!conversation)
        return LinkStatus::Busy;
    configurePort(link_.port(), settings);
    const LinkStatus status = wakeLogger(*conversation);
    portError_ = conversation->portError();
    if (status == LinkStatus::Ok)
        woken_ = true;
    else
        conversation->closePort();
    return status;
}

LinkStatus WokenLogger::resume(Installation& installation) {
    if (!woken_)
        return LinkStatus::Ok;
    auto conversation = link_.startConversation();
    if (!conversation)
        return LinkStatus::Busy;
    woken_ = false;
    return resumeScanning(*conversation, installation.loggerSetupPath,
                          installation.loggerRecords.par);
}

} // namespace korven
