#pragma once

class QWidget;

namespace Module1 {

// Takes Close off the window: its close box and Alt+F4 no longer close it, so only the
// program's own exit commands end it.
void remove_close_menu(QWidget* window);

// True once remove_close_menu has been applied to the window.
bool close_removed(const QWidget* window);

}  // namespace Module1
