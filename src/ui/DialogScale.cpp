#include "ui/DialogScale.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QSpacerItem>
#include <QWidget>

#include <cmath>
#include <utility>

namespace dialogscale {

namespace {

int grown(int length, double factor)
{
    return int(std::lround(length * factor));
}

QSize grown(QSize size, double factor)
{
    return {grown(size.width(), factor), grown(size.height(), factor)};
}

void growLayout(QLayout *layout, double factor)
{
    const QMargins m = layout->contentsMargins();
    layout->setContentsMargins(grown(m.left(), factor), grown(m.top(), factor), grown(m.right(), factor),
                               grown(m.bottom(), factor));
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        if (grid->horizontalSpacing() > 0)
            grid->setHorizontalSpacing(grown(grid->horizontalSpacing(), factor));
        if (grid->verticalSpacing() > 0)
            grid->setVerticalSpacing(grown(grid->verticalSpacing(), factor));
    } else if (layout->spacing() > 0) {
        layout->setSpacing(grown(layout->spacing(), factor));
    }
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QSpacerItem *spacer = item->spacerItem()) {
            const QSizePolicy policy = spacer->sizePolicy();
            const QSize size = grown(spacer->sizeHint(), factor);
            spacer->changeSize(size.width(), size.height(), policy.horizontalPolicy(), policy.verticalPolicy());
        }
    }
}

} // namespace

void grow(QWidget *window, double factor)
{
    if (factor == 1.0 || !window)
        return;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);

    // The type of each widget that sets its own, read before any changes:
    // the others take theirs from the window.
    QList<std::pair<QWidget *, QFont>> fonts;
    for (QWidget *widget : std::as_const(widgets)) {
        if (widget != window && !widget->testAttribute(Qt::WA_SetFont))
            continue;
        QFont font = widget->font();
        if (font.pointSizeF() > 0)
            font.setPointSizeF(font.pointSizeF() * factor);
        else if (font.pixelSize() > 0)
            font.setPixelSize(grown(font.pixelSize(), factor));
        fonts.append({widget, font});
    }
    for (const auto &[widget, font] : std::as_const(fonts))
        widget->setFont(font);

    for (QWidget *widget : std::as_const(widgets)) {
        const QSize least = widget->minimumSize();
        const QSize most = widget->maximumSize();
        if (most.width() < QWIDGETSIZE_MAX || most.height() < QWIDGETSIZE_MAX) {
            widget->setMaximumSize(most.width() < QWIDGETSIZE_MAX ? grown(most.width(), factor) : QWIDGETSIZE_MAX,
                                   most.height() < QWIDGETSIZE_MAX ? grown(most.height(), factor) : QWIDGETSIZE_MAX);
        }
        if (!least.isNull())
            widget->setMinimumSize(grown(least, factor));
        if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            const QSize before = button->iconSize();
            button->setIconSize(grown(before, factor));
            // An icon made of a small picture is not drawn larger than it:
            // it is enlarged once here.
            if (!button->icon().isNull() && button->icon().actualSize(button->iconSize()) != button->iconSize())
                button->setIcon(QIcon(button->icon().pixmap(before).scaled(
                    button->iconSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            const QPixmap picture = label->pixmap();
            if (!picture.isNull())
                label->setPixmap(picture.scaled(grown(picture.size(), factor), Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation));
        }
    }
    for (QLayout *layout : window->findChildren<QLayout *>())
        growLayout(layout, factor);
    if (QLayout *layout = window->layout())
        layout->activate();
    window->adjustSize();
}

} // namespace dialogscale
