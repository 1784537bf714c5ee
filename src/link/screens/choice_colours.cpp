#include "link/screens/choice_colours.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

void paintCaption(QAbstractButton* option, const QColor& colour) {
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    option->setPalette(palette);
}

void paintChosen(QAbstractButton* option, bool chosen) {
    paintCaption(option, chosen ? Qt::red : Qt::black);
}

QList<QRadioButton*> addChoices(QGroupBox* group, const QStringList& captions,
                                const std::function<void(int index)>& chosen) {
    auto* layout = new QVBoxLayout(group);
    QList<QRadioButton*> options;
    for (const QString& caption : captions) {
        const int index = static_cast<int>(options.size());
        auto* option = new QRadioButton(caption, group);
        option->setObjectName(group->objectName() + u'_' + QString::number(index));
        paintChosen(option, false);
        QObject::connect(option, &QRadioButton::toggled, group,
                         [option, index, chosen](bool isChosen) {
                             paintChosen(option, isChosen);
                             if (isChosen)
                                 chosen(index);
                         });
        layout->addWidget(option);
        options.append(option);
    }
    return options;
}

} // namespace korven
