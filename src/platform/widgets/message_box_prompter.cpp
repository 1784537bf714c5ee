#include "platform/widgets/message_box_prompter.h"

#include <QMessageBox>

namespace korven {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

int run(QMessageBox& box, const QString& text, MessageIcon icon) {
    box.setWindowTitle(QStringLiteral("KORVEN"));
    box.setIcon(boxIcon(icon));
    box.setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    return box.exec();
}

} // namespace

void MessageBoxPrompter::message(const QString& text, MessageIcon icon) {
    QMessageBox box(parent_);
    box.setStandardButtons(QMessageBox::Ok);
    run(box, text, icon);
}

bool MessageBoxPrompter::askYesNo(const QString& text, MessageIcon icon, bool noIsDefault) {
    QMessageBox box(parent_);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(noIsDefault ? QMessageBox::No : QMessageBox::Yes);
    return run(box, text, icon) == QMessageBox::Yes;
}

} // namespace korven
