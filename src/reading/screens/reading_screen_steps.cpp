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

ScreenLink::ScreenLink(Session& session, ReadingJob& job, const QWidget& screen)
    : session_(session), job_(job), guard_(session, [&screen] { return screen.windowTitle(); }) {
    guard_.setStop([this] { job_.stop(); });
    guard_.setResume([this] { return job_.loggerWoken(); },
                     [this] {
                         if (beforeResume_)
                             beforeResume_();
                         job_.resume();
                     });
}

ScreenLink::Wake ScreenLink::wake() {
    LinkStatus awake = LinkStatus::Busy;
    guard_.run([&] { awake = job_.wake(); });
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
    ReadingEnd end = ReadingEnd::Busy;
    guard_.run([&] { end = reading(); });
    if (end == ReadingEnd::Stopped || end == ReadingEnd::Busy)
        return guard_.closeDue();
    session_.link.state().linkAborted = false;
    return true;
}

bool ScreenLink::mayClose(const std::function<void()>& beforeResume) {
    beforeResume_ = beforeResume;
    return guard_.mayClose();
}

} // namespace korven
