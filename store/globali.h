#pragma once
// Globali: the values and tables that the windows, the application object and the two
// alarm threads share for the whole run, read and written directly by name. Each
// holds its empty value until the step that owns it sets it (the application's open
// step, the main window's open step, the loaders).
//
// This header also brings in the routines of the module, so that one include gives
// a caller all of Globali.
#include <cstdint>
#include <memory>

#include "framework/date.h"
#include "framework/devices.h"
#include "framework/graphics.h"
#include "framework/text.h"
#include "store/text_array.h"

namespace Globali {

// Tables.
extern TextTable nota;         // note of (day 1..31, month 1..12) of annoload; CR between lines
extern TextTable fontecolore;  // style of the same day: colour digit + two-digit size, "112"
extern TextTable contatto;     // field 0..9 of contact 1..contquanti; row 0 unused
extern TextTable testoloc;     // text (row 0..116, language column 0..3); row 117 empty
extern TextList allarme;       // 0: number of candidates as text; 1..n: excerpts around a colon

// Dates, days and counters.
extern int32_t formatodata;  // date order code 0..6 (dates_as_text.h)
extern fw::Date oggi;        // today
extern fw::String punta;     // the selected day as a date text
extern int32_t mese;         // month shown in the grid, 1..12
extern int32_t anno;         // year shown in the grid
extern int32_t annoload;     // year whose notes are in nota / fontecolore
extern int32_t bisestile;    // 1 when the year being laid out is a leap year
extern int32_t notequante;   // non-empty notes of the loaded year
extern int32_t d_find;       // day where the next note search starts
extern int32_t m_find;       // month where the next note search starts

// Today's note, the time, the clock.
extern fw::String testodioggi;          // today's note, scanned for alarm times
extern fw::String oraattuale;           // "hh:mm", kept by the main window's tick
extern fw::Picture orologio_analogico;  // clock face under the hands

// Contacts.
extern int32_t contquanti;  // number of contacts
extern int32_t contpunta;   // contact on the card, from 1
extern int32_t cercapunta;  // contact of the last search hit, 0 for none
extern bool sortizza;       // the contact list was re-sorted by the user

// User interface state.
extern int32_t lingua;        // 1 English, 2 Italian, 3 French, 4 custom
extern int32_t indexo;        // day field 0..6 under the note's contextual menu
extern int32_t ok;            // pending action of the confirmation dialog, 1..7
extern int32_t visua;         // 0 full window, 1 notes and calendar, 2 notes only
extern fw::Picture winpict;   // snapshot of the main window for the thumbnail
extern fw::String Settings;   // page setup of the run

// Preferences.
extern int32_t pwutilizza;  // 1: password lock at start-up
extern fw::String password;  // as read from the preferences file
extern fw::String wordpass;  // what the preferences file's password line is written from
extern int32_t col_r, col_g, col_b;  // the user's window colour; all 0: none
extern bool pref_autosave;
extern bool pref_warning;
extern bool pref_reminder;
extern bool pref_sound;
extern fw::String pref_soundf;
extern std::shared_ptr<fw::Sound> suonodiallarme;
extern bool pref_skin;
extern fw::String pref_skinf;
extern fw::Picture immaginedisfondo;
extern bool pref_reverse;

}  // namespace Globali

#include "store/clock_picture.h"
#include "store/contacts_store.h"
#include "store/dates_as_text.h"
#include "store/localisation.h"
#include "store/notes_export.h"
#include "store/notes_store.h"
#include "store/pictures.h"
#include "store/speech_respelling.h"
