#pragma once

#include <QObject>
#include <QString>

namespace korven {

// The texts of the main window's status bars. The procedures that change them
// do not know the window; the window shows whatever is set here.
class StatusTexts : public QObject {
    Q_OBJECT
public:
    enum Panel {
        Port, // "Com 2, 9600"
        Clock,
        LastBlock,        // "Ultimo Blocco: " + block
        LastDownloadDate, // "Data Ultimo scarico: " + date
        SystemFile,       // "File sistema: " + path
        LoggerFile,       // "file KORVEN: " + base path + ".tmr"
        Modem,            // shown only while a modem connection is up
        PanelCount
    };

    QString text(Panel panel) const { return texts_[panel]; }
    void setText(Panel panel, const QString& text) {
        if (texts_[panel] == text)
            return;
        texts_[panel] = text;
        Q_EMIT changed(panel, text);
    }

Q_SIGNALS:
    void changed(int panel, const QString& text);

private:
    QString texts_[PanelCount];
};

} // namespace korven
