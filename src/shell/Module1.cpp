#include "Module1.h"

#include <QWidget>

namespace Module1 {

void remove_close_menu(QWidget* window) {
    window->setWindowFlags((window->windowFlags() & ~Qt::WindowCloseButtonHint) |
                           Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    window->setProperty("closeRemoved", true);
}

bool close_removed(const QWidget* window) { return window->property("closeRemoved").toBool(); }

}  // namespace Module1
