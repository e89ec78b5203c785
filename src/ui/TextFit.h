#pragma once

#include <QLabel>

#include <algorithm>

namespace ui {

// Gives a word-wrapped label its design width, or more for a word that does
// not fit in it, and the height its wrapped text needs, `minimumHeight` at
// the least. In a layout of fixed size, the window then grows to its text.
inline void fitLabelToText(QLabel *label, int width, int minimumHeight = 0)
{
    width = std::max(width, label->minimumSizeHint().width());
    label->setFixedWidth(width);
    label->setMinimumHeight(std::max(minimumHeight, label->heightForWidth(width)));
}

} // namespace ui
