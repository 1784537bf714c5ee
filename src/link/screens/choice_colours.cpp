#include "link/screens/choice_colours.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korven {

void paintChosen(QAbstractButton* option, bool chosen) {
    QPalette palette = option->palette();
    palette.setColor(QPalette::WindowText, chosen ? Qt::red : Qt::black);
    palette.setColor(QPalette::ButtonText, chosen ? Qt::red : Qt::black);
    option->setPalette(palette);
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
