#include "shell/screens/status_bars.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace korven {
namespace {

// Where each text is shown: bar, panel number within it, and the share of the
// bar's width it takes.
struct PanelPlace {
    StatusTexts::Panel panel;
    int bar;
    int number;
    int stretch;
};

constexpr PanelPlace kPlaces[] = {
    {StatusTexts::Port, 1, 1, 1},       {StatusTexts::Clock, 1, 2, 2},
    {StatusTexts::LastBlock, 1, 3, 2},  {StatusTexts::LastDownloadDate, 1, 4, 2},
    {StatusTexts::SystemFile, 2, 1, 1}, {StatusTexts::LoggerFile, 2, 2, 1},
    {StatusTexts::Modem, 3, 1, 1},
};

} // namespace

StatusBars::StatusBars(StatusTexts& texts, QWidget* parent) : QWidget(parent) {
    static_assert(std::size(kPlaces) == StatusTexts::PanelCount);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The modem bar sits on top, so the two that are always there keep their place.
    QStatusBar* bars[] = {addBar(QStringLiteral("StatusBar3")),
                          addBar(QStringLiteral("StatusBar2")),
                          addBar(QStringLiteral("StatusBar1"))};
    modemBar_ = bars[0];
    for (QStatusBar* bar : bars)
        layout->addWidget(bar);
    bars[2]->setSizeGripEnabled(true);

    for (const PanelPlace& place : kPlaces) {
        QStatusBar* bar = bars[3 - place.bar];
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("%1Panel%2").arg(bar->objectName()).arg(place.number));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        bar->addPermanentWidget(label, place.stretch);
        panels_[place.panel] = label;
        show(place.panel, texts.text(place.panel));
    }
    connect(&texts, &StatusTexts::changed, this, &StatusBars::show);
}

QStatusBar* StatusBars::addBar(const QString& name) {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(name);
    bar->setSizeGripEnabled(false);
    return bar;
}

void StatusBars::show(int panel, const QString& text) {
    // A path field never written holds zero bytes; the panel ends its text at
    // the first one, as the platform's own controls do.
    panels_[panel]->setText(text.left(text.indexOf(QChar(u'\0'))));
    if (panel == StatusTexts::Modem)
        modemBar_->setVisible(!text.isEmpty());
}

} // namespace korven
