#include "shell/screens/splash_screen.h"

#include "shell/program_facts.h"
#include "shell/screens/korven_picture.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korven {
namespace {

constexpr int kFirstInterval = 300;
constexpr int kSecondInterval = 600;
constexpr int kThirdInterval = 900;

} // namespace

SplashScreen::SplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), progress_(new QLabel(this)) {
    setObjectName(QStringLiteral("Preloader"));
    auto* version = new QLabel(QStringLiteral("Versione ") + program_facts::version(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* description = new QLabel(program_facts::fileDescription, this);
    description->setObjectName(QStringLiteral("lblDescription"));
    progress_->setObjectName(QStringLiteral("lblStatus"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new KorvenPicture(this));
    layout->addWidget(description);
    layout->addWidget(version);
    layout->addWidget(progress_);

    timer_.setInterval(kFirstInterval);
    connect(&timer_, &QTimer::timeout, this, &SplashScreen::step);
}

void SplashScreen::start() {
    show();
    timer_.start();
}

void SplashScreen::step() {
    switch (++stepsDone_) {
    case 1:
        progress_->setText(QStringLiteral("Loading... Components"));
        timer_.setInterval(kSecondInterval);
        break;
    case 2:
        progress_->setText(QStringLiteral("Loading... Settings"));
        timer_.setInterval(kThirdInterval);
        break;
    default:
        timer_.stop();
        Q_EMIT finished();
        close();
        break;
    }
}

} // namespace korven
