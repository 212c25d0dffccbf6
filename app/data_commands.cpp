// The File menu's data commands: save all now, restore from the saved files, delete,
// and the notes export. Restoring and deleting ask first through the confirmation
// dialog when the user wants warnings; the dialog then carries the action out.
#include "app/app.h"
#include "dialogs/conferma.h"
#include "framework/controls.h"
#include "store/globali.h"
#include "store/window_refresh.h"

namespace {

// Confirmation codes and the rows of their objects in the text table.
struct Destructive {
  int32_t code;
  int32_t objectRow;
  void (*atOnce)();
};

// The notes loader leaves the window to its caller (it also runs inside the grid's
// rebuild); the delete routines and the contacts loader refresh it themselves.
void RestoreAll() {
  Globali::ripristinanote();
  Globali::ripristinacontatti();
  Globali::window::showLoadedNotes();
}

void RestoreNotes() {
  Globali::ripristinanote();
  Globali::window::showLoadedNotes();
}

void DeleteAll() {
  Globali::eliminanote();
  Globali::eliminacontatti();
}

constexpr Destructive kRestoreAll{4, 88, &RestoreAll};
constexpr Destructive kRestoreNotes{5, 89, &RestoreNotes};
constexpr Destructive kRestoreContacts{6, 90, &Globali::ripristinacontatti};
constexpr Destructive kDeleteAll{1, 88, &DeleteAll};
constexpr Destructive kDeleteNotes{2, 89, &Globali::eliminanote};
constexpr Destructive kDeleteContacts{3, 90, &Globali::eliminacontatti};

bool Run(const Destructive& command) {
  if (Globali::pref_warning) {
    Globali::ok = command.code;
    conferma::conferma().Member<fw::StaticText>("staticosa").SetText(Globali::testo(command.objectRow));
    return false;
  }
  command.atOnce();
  return false;
}

}  // namespace

// Whatever the auto-save preference says. A file written nowhere is told.
bool App::_ArchivioSalvatuttiidatiadesso_Action() {
  Globali::SaveReport report = Globali::salvanote();
  report.Merge(Globali::salvacontatti());
  Globali::TellSaveProblems(report);
  return false;
}

bool App::_RipristinaTuttiidatisalvati_Action() { return Run(kRestoreAll); }
bool App::_RipristinaTuttelenote_Action() { return Run(kRestoreNotes); }
bool App::_RipristinaTuttiicontatti_Action() { return Run(kRestoreContacts); }
bool App::_EliminaTuttiidati_Action() { return Run(kDeleteAll); }
bool App::_EliminaTuttelenote_Action() { return Run(kDeleteNotes); }
bool App::_EliminaTuttiicontatti_Action() { return Run(kDeleteContacts); }

// A file that could not be written keeps its old content, and is told with why.
bool App::_EsportacometestoTuttelenote_Action() {
  Globali::TellSaveProblems(Globali::esportanote(true));
  return false;
}

bool App::_EsportacometestoSettenotemostrate_Action() {
  Globali::TellSaveProblems(Globali::esportanote(false));
  return false;
}
