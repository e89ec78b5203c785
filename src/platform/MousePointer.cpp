#include "platform/MousePointer.h"

#include <QApplication>
#include <QCursor>

namespace platform {

void SetScreenMousePointer(int pointer)
{
    if (pointer == 11) {
        if (QApplication::overrideCursor())
            QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace platform
