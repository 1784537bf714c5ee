#pragma once

#include <QObject>
#include <QString>

namespace korven {

// The main menu's "Attivazione Modem" item as the procedures see it: the
// start-up loader enables it from the link flag, the modem set-up screen
// switches it, and the modem connection renames it while a line is held. The
// window shows whatever is set here.
class ModemMenuItem : public QObject {
    Q_OBJECT
public:
    QString caption() const { return caption_; }
    bool isEnabled() const { return enabled_; }

    void setCaption(const QString& caption) {
        if (caption_ == caption)
            return;
        caption_ = caption;
        Q_EMIT changed();
    }
    void setEnabled(bool enabled) {
        if (enabled_ == enabled)
            return;
        enabled_ = enabled;
        Q_EMIT changed();
    }

Q_SIGNALS:
    void changed();

private:
    QString caption_ = QStringLiteral("Attivazione Modem");
    bool enabled_ = true;
};

} // namespace korven
