#include "ui/Startup.h"

#include <QWidget>

namespace NewPuzzle {

void SetDialogFrame(QWidget &form)
{
    // Changing the flags of a shown window hides it; it is shown again as it
    // was, now in its new frame.
    const bool wasVisible = form.isVisible();
    form.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    form.setFixedSize(form.size());
    if (wasVisible)
        form.show();
    form.update();
}

} // namespace NewPuzzle
