// Placeholder bodies, until the work on the clock tick and the two alarm threads replaces this file:
// every handler does nothing and every Boolean handler returns false.
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"

namespace fin_main {

void Window::Timer1_Action(fw::Object&) {}
void trovasveglia::Event_Run() {}
void timerizza::Event_Run() {}

}  // namespace fin_main
