#include "logger_setup/screens/channel_row_widgets.h"

#include "logger_setup/channel_editor.h"
#include "logger_setup/screens/on_off_cell.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace korven {

namespace {

// The columns of a row, left to right.
enum Column {
    LeftLabel,
    Description,
    Activation,
    Scaling,
    Gain,
    Zero,
    InputType,
    Supply,
    Mask,
    Unit,
    RightLabel,
};

QString elementName(const char* array, int index) {
    return QString::fromLatin1(array) + u'_' + QString::number(index);
}

QLineEdit* textBox(const char* array, int row, int characters, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(elementName(array, row));
    // Room for the characters and the frame around them.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(characters + 2, u'0')));
    return box;
}

QComboBox* list(const char* array, int row, const QStringList& choices, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(elementName(array, row));
    box->addItems(choices);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    box->setCurrentIndex(-1);
    return box;
}

QLabel* rowLabel(int row, int index, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("CANALE %1").arg(row), parent);
    label->setObjectName(elementName("Label1", index));
    return label;
}

void showChoice(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
}

void addHeadings(QGridLayout& grid, QWidget* parent) {
    const std::pair<Column, QString> headings[] = {
        {Description, QStringLiteral("Descrizione")},
        {Activation, QStringLiteral("Attivato")},
        {Scaling, QStringLiteral("Scalatura")},
        {Gain, QStringLiteral("Gain")},
        {Zero, QStringLiteral("Zero")},
        {InputType, QStringLiteral("Scala")},
        {Supply, QStringLiteral("Alimentazione")},
        {Mask, QStringLiteral("Punto Decimale")},
        {Unit, QStringLiteral("Unita'  Misura")},
    };
    for (const auto& [column, heading] : headings)
        grid.addWidget(new QLabel(heading, parent), 0, column, Qt::AlignHCenter);
}

} // namespace

void ChannelRowWidgets::show(const ChannelRowTexts& texts) {
    description->setText(texts.description);
    activation->showFlag(texts.activation);
    scaling->showFlag(texts.scaling);
    gain->setText(texts.gain);
    zero->setText(texts.zero);
    showChoice(inputType, texts.inputType);
    showChoice(supply, texts.supply);
    showChoice(mask, texts.mask);
    showChoice(unit, texts.unit);
}

QList<QWidget*> ChannelRowWidgets::widgets() const {
    return {leftLabel, description, activation, scaling, gain,      zero,
            inputType, supply,      mask,       unit,    rightLabel};
}

ChannelRowsWidgets addChannelRows(QGridLayout& grid, QWidget* parent) {
    addHeadings(grid, parent);
    ChannelRowsWidgets rows;
    for (int row = 0; row < LoggerChannelLayout::channels; ++row) {
        ChannelRowWidgets& widgets = rows[row];
        widgets.leftLabel = rowLabel(row, row, parent);
        widgets.description = textBox("descr", row, LoggerChannelLayout::description.size, parent);
        // No more than the record holds, so nothing typed is cut off unseen.
        widgets.description->setMaxLength(LoggerChannelLayout::description.size);
        widgets.activation = new OnOffCell(elementName("Label5", row), parent);
        widgets.scaling = new OnOffCell(elementName("ACTIV_G", row), parent);
        widgets.gain = textBox("GAIN", row, 7, parent);
        widgets.zero = textBox("ZERO", row, 7, parent);
        widgets.inputType = list("scala", row, editorInputTypeChoices(), parent);
        widgets.supply = list("alim1", row, editorSupplyChoices(), parent);
        widgets.mask = list("punto1", row, editorMaskChoices(), parent);
        widgets.unit = list("unita1", row, editorUnitChoices(), parent);
        widgets.rightLabel = rowLabel(row, row + LoggerChannelLayout::channels, parent);
        const QList<QWidget*> cells = widgets.widgets();
        for (int column = 0; column < cells.size(); ++column)
            grid.addWidget(cells[column], row + 1, column);
    }
    return rows;
}

} // namespace korven
