#include "session/exchange_guard.h"

#include "session/session.h"
#include "session/session_texts.h"

namespace korven {

const ExchangeGuard* LineUsers::inTheWayOf(const ExchangeGuard* asking) const {
    for (const ExchangeGuard* guard : guards_) {
        if (guard != asking && (guard->running() || guard->holdsWokenLogger()))
            return guard;
    }
    return nullptr;
}

ExchangeGuard::ExchangeGuard(Session& session, std::function<QString()> windowTitle)
    : session_(session), windowTitle_(std::move(windowTitle)) {
    session_.lineUsers.add(this);
}

ExchangeGuard::~ExchangeGuard() {
    session_.lineUsers.remove(this);
}

bool ExchangeGuard::run(const std::function<void()>& exchange) {
    if (running_)
        return false;
    if (const ExchangeGuard* other = session_.lineUsers.inTheWayOf(this)) {
        session_.prompter.message(session_texts::lineInUse.arg(other->windowTitle()),
                                  MessageIcon::Exclamation);
        return false;
    }
    running_ = true;
    exchange();
    running_ = false;
    return true;
}

bool ExchangeGuard::mayClose() {
    LoggerLink& link = session_.link;
    if (running_) {
        closeDue_ = true;
        if (stop_)
            stop_();
        link.requestStop();
        return false;
    }
    if (resuming_)
        return false;
    if (!abandoned_ && holdsWokenLogger()) {
        if (link.busy())
            return false;
        resuming_ = true;
        resume_();
        resuming_ = false;
    }
    link.state().callerScreen.clear();
    return true;
}

} // namespace korven
