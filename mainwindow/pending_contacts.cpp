// Placeholder bodies, until the work on the note's contextual menu, the contact card and the contact list replaces this file:
// every handler does nothing and every Boolean handler returns false.
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/member_classes.h"

namespace fin_main {

bool Window::nota_campo_MouseDown(fw::Object&, int32_t, int32_t) { return false; }
bool Window::cerca_campo_KeyDown(fw::Object&, const fw::String&) { return false; }
bool Window::statex_MouseDown(fw::Object&, int32_t, int32_t) { return false; }
void Window::bott_prec_Action(fw::Object&) {}
void Window::bott_succ_Action(fw::Object&) {}
void Window::bott_crea_Action(fw::Object&) {}
void Window::bott_elim_Action(fw::Object&) {}
void Window::bott_cerca_Action(fw::Object&) {}
bool Window::Canvasic_MouseDown(fw::Object&, int32_t, int32_t) { return false; }
void Window::ContextualMenu1_Action(fw::Object&, const fw::String&) {}
bool Window::ListBox1_SortColumn(fw::Object&, int32_t) { return false; }
bool Window::ListBox1_CellClick(fw::Object&, int32_t, int32_t, int32_t, int32_t) { return false; }
void Window::contatto_campo_TextChange(fw::Object&) {}
bool Window::contatto_campo_KeyDown(fw::Object&, const fw::String&) { return false; }
void Window::apparecchia() {}
void Window::cercontatto() {}

}  // namespace fin_main
