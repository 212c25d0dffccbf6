#pragma once
// The design of the main window and of each of its members, region by region. Array
// designs take the element's index and follow the design's rule for it.
#include "mainwindow/layout/design_records.h"

namespace fin_main::layout {

WindowDesign fin_mainWindow();

// Day-notes column.
RectangleDesign Rectangle1();
EditFieldDesign nota_campo(int32_t row);   // 0..6
StaticTextDesign day_testo(int32_t i);     // 0..20

// Contact card and list.
CanvasDesign Rectangle7();
RectangleDesign Rectangle8();
EditFieldDesign cerca_campo();
StaticTextDesign contatti_label();
LineDesign Line17();
PushButtonDesign bott_prec();
PushButtonDesign bott_succ();
PushButtonDesign bott_crea();
PushButtonDesign bott_elim();
BevelButtonDesign bott_cerca();
ListboxDesign ListBox1();
ProgressBarDesign ProgressBar1();
StaticTextDesign statex(int32_t i);        // 0..8
CanvasDesign Canvasic(int32_t i);          // 0..8
EditFieldDesign contatto_campo(int32_t j); // 0..9

// Month grid.
CanvasDesign Rectangle5();
RectangleDesign Rectangle3();
LineDesign Line1();
StaticTextDesign mese_label();
StaticTextDesign calendario_label();
StaticTextDesign StaticText(int32_t n);    // StaticText1..StaticText7, n = 1..7
LineDesign GridLine(int32_t n);            // Line5..Line15, n = 5..15
OvalDesign segnanota(int32_t cell);        // 0..41
StaticTextDesign cal_day(int32_t cell);    // 0..41
CanvasDesign segnapuntato();

// Month chooser, navigation, clock and language row.
CanvasDesign Rectangle6();
RectangleDesign Rectangle2();
LineDesign Line16();
LineDesign Line4();
BevelButtonDesign mese_scegli(int32_t month);  // 1..12
PushButtonDesign PushButton(int32_t n);        // PushButton1..PushButton5
CanvasDesign Canvas1();
StaticTextDesign oggi_testo();
RadioButtonDesign RadioBlingua(int32_t language);  // 1..4
CanvasDesign Canvalingua(int32_t language);        // 1..3
StaticTextDesign LanguageLabel(const fw::String& name);  // ENG, ITA, FRA, CUS

// Non-visual members.
ContextualMenuDesign ContextualMenu1();
TimerDesign Timer1();
ThreadDesign AlarmThread();  // trovasveglia and timerizza share it

}  // namespace fin_main::layout
