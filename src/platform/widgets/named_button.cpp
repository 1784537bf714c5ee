#include "platform/widgets/named_button.h"

#include <QPushButton>

namespace korven {

QPushButton* namedButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace korven
