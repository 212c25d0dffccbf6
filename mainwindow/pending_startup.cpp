// Placeholder bodies, until the work on the window's start-up, close and size events, widths, colours and season icons replaces this file:
// every handler does nothing and every Boolean handler returns false.
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"

namespace fin_main {

void Window::Event_Close() {}
void Window::Event_Open() {}
void Window::Event_Minimize() {}
void Window::Event_Maximize() {}
void Window::Event_Resized() {}
void Window::visuafinestra() {}
void Window::coloratesti() {}
void Window::reversemonthicons() {}

}  // namespace fin_main
