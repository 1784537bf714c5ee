#include "reading/screens/reading_screen_steps.h"

#include "link/link_texts.h"
#include "session/file_failure.h"
#include "session/session.h"

#include <QLabel>

namespace korven {

QLabel* namedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QLabel* valueBox(const QString& name, QWidget* parent) {
    QLabel* box = namedLabel(name, parent);
    box->setFrameShape(QFrame::Panel);
    box->setFrameShadow(QFrame::Sunken);
    box->setMinimumWidth(160);
    return box;
}

void paintText(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void readSetupTelling(Session& session, ReadingJob& job) {
    const ReadingSetupStatus read = job.readSetup();
    reportFileFailure(session.prompter, read.path, read.status);
}

ScreenLink::Wake ScreenLink::wake() {
    talking_ = true;
    const LinkStatus awake = job_.wake();
    talking_ = false;
    switch (awake) {
    case LinkStatus::Ok:
        return Wake::Awake;
    case LinkStatus::Busy:
        return Wake::Busy;
    case LinkStatus::PortFailed:
        session_.prompter.message(link_texts::invalidPort, MessageIcon::None);
        break;
    default:
        // The wake-up has told the user.
        break;
    }
    // The screen goes: the menus have nothing left to drop.
    session_.link.state().linkAborted = false;
    return Wake::Failed;
}

bool ScreenLink::read(const std::function<ReadingEnd()>& reading) {
    talking_ = true;
    const ReadingEnd end = reading();
    talking_ = false;
    if (end == ReadingEnd::Stopped || end == ReadingEnd::Busy)
        return closeWhenDone_;
    session_.link.state().linkAborted = false;
    return true;
}

bool ScreenLink::mayClose(const std::function<void()>& beforeResume) {
    if (talking_) {
        closeWhenDone_ = true;
        job_.stop();
        session_.link.requestStop();
        return false;
    }
    if (leaving_)
        return false;
    if (job_.loggerWoken()) {
        if (session_.link.busy())
            return false;
        leaving_ = true;
        if (beforeResume)
            beforeResume();
        job_.resume();
        leaving_ = false;
    }
    session_.link.state().callerScreen.clear();
    return true;
}

} // namespace korven
