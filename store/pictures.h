#pragma once
// The program's 19 pictures, resources 168 to 186. Each accessor loads its picture on
// first use and hands out that same picture for the rest of the run, so a
// transparency set by one user holds for all. Never none: a picture that does not
// load is a blank placeholder of the size its controls show.
#include "framework/graphics.h"

namespace Globali {

fw::Picture p3est();   // 168 summer icon of the month buttons
fw::Picture p2pri();   // 169 spring and autumn icon
fw::Picture p1inv();   // 170 winter icon
fw::Picture cerca();   // 171 contact search button
fw::Picture c8();      // 172 web address
fw::Picture c7();      // 173 e-mail
fw::Picture c6();      // 174 mobile
fw::Picture c5();      // 175 fax
fw::Picture c4();      // 176 phone
fw::Picture c3();      // 177 address
fw::Picture c2();      // 178 profession
fw::Picture c1();      // 179 name
fw::Picture busa();    // 180 English flag
fw::Picture bita();    // 181 Italian flag
fw::Picture c9();      // 182 free notes
fw::Picture bfra();    // 183 French flag
fw::Picture giorno();  // 184 selected-day ring
fw::Picture ombra();   // 185 panel shadow, transparent
fw::Picture oroana();  // 186 clock face, transparent

}  // namespace Globali
