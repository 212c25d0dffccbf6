// Placeholder bodies, until the work on the month grid, the seven-day panel, note editing, navigation and the language switch replaces this file:
// every handler does nothing and every Boolean handler returns false.
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"

namespace fin_main {

void Window::PushButton1_Action(fw::Object&) {}
void Window::PushButton2_Action(fw::Object&) {}
void Window::PushButton3_Action(fw::Object&) {}
void Window::PushButton4_Action(fw::Object&) {}
void Window::PushButton5_Action(fw::Object&) {}
void Window::RadioBlingua_Action(fw::Object&) {}
void Window::nota_campo_TextChange(fw::Object&) {}
void Window::nota_campo_LostFocus(fw::Object&) {}
bool Window::nota_campo_KeyDown(fw::Object&, const fw::String&) { return false; }
void Window::mese_scegli_Action(fw::Object&) {}
bool Window::Canvalingua_MouseDown(fw::Object&, int32_t, int32_t) { return false; }
bool Window::cal_day_MouseDown(fw::Object&, int32_t, int32_t) { return false; }
void Window::aggiorni() {}
void Window::creamese() {}
void Window::localeng() {}
void Window::vaiadomani() {}

}  // namespace fin_main
