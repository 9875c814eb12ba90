#include "support/windowtest.h"

#include "platform/dialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace testsupport {

void MoveOverSurface(platform::Dialog *window, int controlId) {
    QWidget *surface = window->control(controlId)->parentWidget();
    for (int y = surface->height() - 2; y > 0; y -= 3) {
        for (int x = surface->width() - 2; x > 0; x -= 3) {
            if (surface->childAt(x, y)) continue;
            QMouseEvent move(QEvent::MouseMove, QPointF(x, y), surface->mapToGlobal(QPointF(x, y)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
            return;
        }
    }
    QFAIL("no bare surface");
}

} // namespace testsupport
