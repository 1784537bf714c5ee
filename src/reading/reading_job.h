#pragma once

#include "link/logger_link.h"
#include "link/woken_logger.h"
#include "reading/reading_run.h"
#include "reading/reading_setup.h"
#include "system_setup/installation.h"

#include <QDateTime>

#include <functional>

namespace korven {

// A live reading of a logger's inputs, in the steps both reading screens and
// korvenctl take: read the channel tables, wake the logger, read all channels
// in passes or one channel in cycles (as often as asked), put the logger back
// into scanning. Each step holds the link only while it runs; the logger
// stays awake in between until resume(). The reading's failures are told
// through the link's reporter, and end with the port closed.
class ReadingJob {
public:
    ReadingJob(LoggerLink& link, Installation& installation)
        : link_(link), installation_(installation), now_(&QDateTime::currentDateTime) {}

    // Where the readings' times come from; the computer's clock by default
    // (and when `now` is empty).
    void setClock(std::function<QDateTime()> now) {
        if (now)
            now_ = std::move(now);
    }
    QDateTime now() const { return now_(); }

    ReadingSetupStatus readSetup();
    const ReadingSetup& setup() const { return setup_; }

    // Sets the port and wakes the logger. Busy while another conversation
    // holds the line; PortFailed (see portError()) when the port will not open.
    LinkStatus wake();
    PortError portError() const { return logger_.portError(); }
    bool loggerWoken() const { return logger_.woken(); }

    // Passes over all active channels until stop() (see readChannelPasses),
    // resting `interval` seconds after each. A logger that no longer answers
    // its address byte marks the link as failed here. After NotConnected the
    // logger counts as no longer woken: it cannot be put back into scanning.
    ReadingEnd readAllChannels(const AllChannelsObserver& observer, int interval = 0);
    // Reads `channel` once a cycle until stop() (see readOneChannelLoop).
    ReadingEnd readOneChannel(int channel, const std::function<void(const ChannelReading&)>& read,
                              int interval = 1);

    // The stop button: the reading under way, or the next one, ends after
    // its pass or cycle.
    void stop() { stop_ = true; }

    // Puts the logger back into scanning, once, when this job woke it.
    // Busy while another conversation holds the line (nothing is done then).
    LinkStatus resume();

private:
    ReadingEnd run(const std::function<ReadingEnd(Conversation&, const ReadingRun&)>& reading,
                   int interval, bool silenceFailsLink);
    void report(Conversation& conversation, ReadingEnd end, bool silenceFailsLink);

    LoggerLink& link_;
    Installation& installation_;
    ReadingSetup setup_;
    std::function<QDateTime()> now_;
    WokenLogger logger_{link_};
    bool stop_ = false;
};

} // namespace korven
