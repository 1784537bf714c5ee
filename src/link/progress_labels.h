#pragma once

#include <QHash>
#include <QString>

#include <functional>

namespace korven {

// Where the link's progress texts go. A screen that calls the wake-up attaches
// its status label under its caller name; the texts follow
// `LinkState::callerScreen`. A name with no label attached shows nothing.
class ProgressLabels {
public:
    using Show = std::function<void(const QString& text)>;

    // The latest screen to attach under a name gets its texts.
    void attach(const QString& screenName, const void* owner, Show show) {
        labels_.insert(screenName, {owner, std::move(show)});
    }
    // A closing screen detaches its label; one attached since by another
    // screen of the same name stays.
    void detach(const QString& screenName, const void* owner) {
        const auto label = labels_.constFind(screenName);
        if (label != labels_.constEnd() && label->owner == owner)
            labels_.erase(label);
    }

    void show(const QString& screenName, const QString& text) const {
        const auto label = labels_.constFind(screenName);
        if (label != labels_.constEnd())
            label->show(text);
    }

private:
    struct Label {
        const void* owner;
        Show show;
    };
    QHash<QString, Label> labels_;
};

} // namespace korven
