#pragma once

#include "logger_setup/channel_setup.h"

#include <QList>

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace korven {

class OnOffCell;

// The controls of one channel's row of the channel editor. Each belongs to a
// control array and is named after it and the row: "descr_3", "GAIN_3"...;
// the row's two labels are "Label1_3" on the left and "Label1_11" on the right.
struct ChannelRowWidgets {
    QLabel* leftLabel = nullptr;
    QLineEdit* description = nullptr;
    OnOffCell* activation = nullptr;
    OnOffCell* scaling = nullptr;
    QLineEdit* gain = nullptr;
    QLineEdit* zero = nullptr;
    QComboBox* inputType = nullptr;
    QComboBox* supply = nullptr;
    QComboBox* mask = nullptr;
    QComboBox* unit = nullptr;
    QLabel* rightLabel = nullptr;

    // Shows the row's texts; a list text that is none of its choices shows
    // no choice.
    void show(const ChannelRowTexts& texts);
    QList<QWidget*> widgets() const;
};

using ChannelRowsWidgets = std::array<ChannelRowWidgets, LoggerChannelLayout::channels>;

// Puts the column headings into the first row of `grid` and the eight
// channels' rows below them, their lists filled.
ChannelRowsWidgets addChannelRows(QGridLayout& grid, QWidget* parent);

} // namespace korven
