// Placeholder bodies, until the work on the note's contextual menu replaces this file:
// every handler does nothing and every Boolean handler returns false.
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"

namespace fin_main {

bool Window::nota_campo_MouseDown(fw::Object&, int32_t, int32_t) { return false; }
void Window::ContextualMenu1_Action(fw::Object&, const fw::String&) {}

}  // namespace fin_main
