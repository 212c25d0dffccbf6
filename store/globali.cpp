#include "store/globali.h"

namespace Globali {

// Created in this order before any window opens, with the bounds the readers expect.
TextTable nota(31, 12);
TextTable contatto(0, 9);
TextTable fontecolore(31, 12);
TextList allarme(0);
TextTable testoloc(0, 0);

int32_t formatodata = 0;
fw::Date oggi;
fw::String punta;
int32_t mese = 0;
int32_t anno = 0;
int32_t annoload = 0;
int32_t bisestile = 0;
int32_t notequante = 0;
int32_t d_find = 0;
int32_t m_find = 0;

fw::String testodioggi;
fw::String oraattuale;
fw::Picture orologio_analogico;

int32_t contquanti = 0;
int32_t contpunta = 0;
int32_t cercapunta = 0;
bool sortizza = false;

int32_t lingua = 0;
int32_t indexo = 0;
int32_t ok = 0;
int32_t visua = 0;
fw::Picture winpict;
fw::String Settings;

int32_t pwutilizza = 0;
fw::String password;
fw::String wordpass;
int32_t col_r = 0, col_g = 0, col_b = 0;
bool pref_autosave = false;
bool pref_warning = false;
bool pref_reminder = false;
bool pref_sound = false;
fw::String pref_soundf;
std::shared_ptr<fw::Sound> suonodiallarme;
bool pref_skin = false;
fw::String pref_skinf;
fw::Picture immaginedisfondo;
bool pref_reverse = false;

}  // namespace Globali
