// The built-in texts, row by row, as English / Italian / French.
//
// Kept character for character as the program has always shown them, odd spellings
// included ("fenétre", "Réiterér"), because captions and the contextual menu's
// commands are matched by their text. Two details are invisible in an editor:
// - "\u0301" is a COMBINING ACUTE ACCENT after a plain e (French rows 30, 46, 56, 67,
//   71); every other accented letter is precomposed, so the two must not be merged.
// - "’" is the typographic apostrophe U+2019 (French rows 68 and 71); the Italian
//   texts use the plain apostrophe.
// Rows 43 and 44 hold three blanks between arrow and word. Rows 0 and 84 are
// comma-separated menu items: 12 in row 0, and row 84 starts with a comma.
#include "resources/texttable.h"

namespace resources {
namespace {

struct Utf8Row {
  const char8_t* english;
  const char8_t* italian;
  const char8_t* french;
};

constexpr std::array<Utf8Row, kTextRowCount> kRows{{
    /*   0 */ {u8"Find..,-,Speak,-,Normal Size,Big Size,Giant Size,-,Black,Red,Green,Blue", u8"Trova..,-,Parla,-,Dimensione Normale,Dimensione Grande,Dimensione Gigante,-,Nero,Rosso,Verde,Blu", u8"Chercher..,-,Parlez,-,Taille Normale,Grande Taille,Géant Taille,-,Noir,Rouge,Vert,Bleu"},
    /*   1 */ {u8"File", u8"Archivio", u8"Fichier"},
    /*   2 */ {u8"Import AddressBook MacOSX", u8"Importa Rubrica MacOSX", u8"Importer AddressBook MacOSX"},
    /*   3 */ {u8"Restore", u8"Ripristina", u8"Restaurer"},
    /*   4 */ {u8"All saved data", u8"Tutti i dati registrati", u8"Toute la Base"},
    /*   5 */ {u8"Saved notes", u8"Note registrate", u8"Toutes les notes"},
    /*   6 */ {u8"Saved contacts", u8"Contatti registrati", u8"Tous les contacts"},
    /*   7 */ {u8"Delete", u8"Elimina", u8"Supprimer"},
    /*   8 */ {u8"All data", u8"Tutti i dati", u8"Toute la Base"},
    /*   9 */ {u8"All notes", u8"Tutte le note", u8"Toutes les notes"},
    /*  10 */ {u8"All contacts", u8"Tutti i contatti", u8"Tous les contacts"},
    /*  11 */ {u8"Export text file", u8"Esporta come testo", u8"Export fichier text"},
    /*  12 */ {u8"All notes..", u8"Tutte le note..", u8"Toutes les notes.."},
    /*  13 */ {u8"Weekly notes..", u8"Note settimanali..", u8"Notes de la semaine.."},
    /*  14 */ {u8"All contacts..", u8"Tutti i contatti..", u8"Tous les contacts.."},
    /*  15 */ {u8"Save all data now", u8"Registra tutti i dati adesso", u8"Tout sauvegarder"},
    /*  16 */ {u8"Page setup..", u8"Formato pagina..", u8"Format d'impression.."},
    /*  17 */ {u8"Print..", u8"Stampa..", u8"Imprimer.."},
    /*  18 */ {u8"Quit", u8"Esci", u8"Quitter"},
    /*  19 */ {u8"Undo", u8"Annulla", u8"Annuler"},
    /*  20 */ {u8"Cut", u8"Taglia", u8"Couper"},
    /*  21 */ {u8"Copy", u8"Copia", u8"Copier"},
    /*  22 */ {u8"Paste", u8"Incolla", u8"Coller"},
    /*  23 */ {u8"Clear", u8"Cancella", u8"Effacer"},
    /*  24 */ {u8"Preferences..", u8"Preferences..", u8"Preferences.."},
    /*  25 */ {u8"View", u8"Visualizzazione", u8"Vue"},
    /*  26 */ {u8"Full window", u8"Vista completa", u8"Tout Afficher"},
    /*  27 */ {u8"Notes and calendar", u8"Note e calendario", u8"Notes et calendrier"},
    /*  28 */ {u8"Notes only", u8"Soltanto note", u8"Notes seules"},
    /*  29 */ {u8"Maximize first note", u8"Massimizza prima nota", u8"Maximiser les notes"},
    /*  30 */ {u8"Iconize window", u8"Riduci ad icona", u8"Iconiser la fene\u0301tre"},
    /*  31 */ {u8"List of contacts", u8"Lista dei contatti", u8"Liste des contacts"},
    /*  32 */ {u8"Background color..", u8"Colore di sfondo..", u8"Couleur de fond.."},
    /*  33 */ {u8"Remove background", u8"Rimuovi colore", u8"Changer le fond"},
    /*  34 */ {u8"Surname and name / Contact", u8"Cognome e Nome / Azienda", u8"Nom & Prenom / Contact"},
    /*  35 */ {u8"Profession / Activity", u8"Professione / Attività", u8"Profession"},
    /*  36 */ {u8"Address / Street / Town", u8"Indirizzo / Via / Città", u8"Adresse / Rue / Ville"},
    /*  37 */ {u8"Phone", u8"Telefono", u8"Tél"},
    /*  38 */ {u8"Fax", u8"Fax", u8"Fax"},
    /*  39 */ {u8"Mobile", u8"Cellulare", u8"Mobile"},
    /*  40 */ {u8"Notes", u8"Note", u8"Notes"},
    /*  41 */ {u8"NEW contact", u8"NUOVO contatto", u8"NOUVEAU contact"},
    /*  42 */ {u8"DELETE contact", u8"ELIMINA contatto", u8"SUPPRIMER le contact"},
    /*  43 */ {u8"<   Previous", u8"<   Precedente", u8"<   Precédent"},
    /*  44 */ {u8"Next   >", u8"Successivo   >", u8"Suivant   >"},
    /*  45 */ {u8"January", u8"Gennaio", u8"Janvier"},
    /*  46 */ {u8"February", u8"Febbraio", u8"Fe\u0301vrier"},
    /*  47 */ {u8"March", u8"Marzo", u8"Mars"},
    /*  48 */ {u8"April", u8"Aprile", u8"Avril"},
    /*  49 */ {u8"May", u8"Maggio", u8"Mai"},
    /*  50 */ {u8"June", u8"Giugno", u8"Juin"},
    /*  51 */ {u8"July", u8"Luglio", u8"Juillet"},
    /*  52 */ {u8"August", u8"Agosto", u8"Août"},
    /*  53 */ {u8"September", u8"Settembre", u8"Septembre"},
    /*  54 */ {u8"October", u8"Ottobre", u8"Octobre"},
    /*  55 */ {u8"November", u8"Novembre", u8"Novembre"},
    /*  56 */ {u8"December", u8"Dicembre", u8"De\u0301cembre"},
    /*  57 */ {u8"Sun", u8"Dom", u8"Dim"},
    /*  58 */ {u8"Mon", u8"Lun", u8"Lun"},
    /*  59 */ {u8"Tue", u8"Mar", u8"Ma"},
    /*  60 */ {u8"Wed", u8"Mer", u8"Mer"},
    /*  61 */ {u8"Thu", u8"Gio", u8"Jeu"},
    /*  62 */ {u8"Fri", u8"Ven", u8"Ve"},
    /*  63 */ {u8"Sat", u8"Sab", u8"Sam"},
    /*  64 */ {u8"Previous day", u8"Giorno prima", u8"Jour précédent"},
    /*  65 */ {u8"Next day", u8"Giorno dopo", u8"Jour suivant"},
    /*  66 */ {u8"Previous year", u8"Anno prima", u8"Année précédente"},
    /*  67 */ {u8"Next year", u8"Anno dopo", u8"Anne\u0301e suivante"},
    /*  68 */ {u8"GO TODAY", u8"VAI A OGGI", u8"Aujourd’hui"},
    /*  69 */ {u8"Week", u8"Settimana", u8"Semaine"},
    /*  70 */ {u8"Day", u8"Giorno", u8"jour"},
    /*  71 */ {u8"of the year", u8"dell'anno", u8"de l’anne\u0301e"},
    /*  72 */ {u8"CALENDAR", u8"CALENDARIO", u8"CALENDRIER"},
    /*  73 */ {u8"notes", u8"note", u8"notes"},
    /*  74 */ {u8"CONTACTS", u8"CONTATTI", u8"CONTACTS"},
    /*  75 */ {u8"Sort by name", u8"Ordina alfabeticamente", u8"Trier par nom"},
    /*  76 */ {u8"Password..", u8"Password..", u8"Mot de passe.."},
    /*  77 */ {u8"SUNDAY", u8"DOMENICA", u8"DIMANCHE"},
    /*  78 */ {u8"MONDAY", u8"LUNEDI'", u8"LUNDI"},
    /*  79 */ {u8"TUESDAY", u8"MARTEDI'", u8"MARDI"},
    /*  80 */ {u8"WEDNESDAY", u8"MERCOLEDI'", u8"MERCREDI"},
    /*  81 */ {u8"THURSDAY", u8"GIOVEDI'", u8"JEUDI"},
    /*  82 */ {u8"FRIDAY", u8"VENERDI'", u8"VENDREDI"},
    /*  83 */ {u8"SATURDAY", u8"SABATO", u8"SAMEDI"},
    /*  84 */ {u8",-,Repeat every month,Repeat every", u8",-,Ripeti ogni mese,Ripeti ogni", u8",-,Réiterér toutes le mois,Réiterér tous"},
    /*  85 */ {u8"this contact?", u8"questo contatto?", u8"ce contact?"},
    /*  86 */ {u8"Reminder!", u8"Attenzione!", u8"Alert!"},
    /*  87 */ {u8"Select a color", u8"Scegli un colore", u8"Choisir une couleur"},
    /*  88 */ {u8"all data (notes and contacts)?", u8"tutti i dati (note e contatti)?", u8"toutes les données (notes et contacts)?"},
    /*  89 */ {u8"all notes?", u8"tutte le note?", u8"toutes les notes?"},
    /*  90 */ {u8"all contacts?", u8"tutti i contatti?", u8"tous les contacts?"},
    /*  91 */ {u8"Confirm", u8"Conferma", u8"Confirm"},
    /*  92 */ {u8"ATTENTION!", u8"ATTENZIONE!", u8"ATTENTION!"},
    /*  93 */ {u8"Do you really want to delete", u8"Vuoi davvero eliminare", u8"Voulez vous reelement supprimer"},
    /*  94 */ {u8"(from memory, not from disk)", u8"(dalla memoria, non dal disco)", u8"(depuis la mémoire non du disque dur)"},
    /*  95 */ {u8"Delete", u8"Elimina", u8"Supprimer"},
    /*  96 */ {u8"Do you really want to restore", u8"Vuoi davvero ripristinare", u8"Voulez vous vraiment restaurer"},
    /*  97 */ {u8"(reload data from disk)", u8"(ricarica dati dal disco)", u8"(recharger les données depuis le disque)"},
    /*  98 */ {u8"Restore", u8"Ripristina", u8"Restaurer"},
    /*  99 */ {u8"Cancel", u8"Annulla", u8"Annuler"},
    /* 100 */ {u8"Printing", u8"Stampa", u8"Print"},
    /* 101 */ {u8"A4 PORTRAIT ORIENTED NEEDED", u8"RICHIEDE FORMATO A4 VERTICALE", u8"A4 PORTRAIT"},
    /* 102 */ {u8"Choose what to print:", u8"Scelta dei dati da stampare:", u8"Choisir votre impression:"},
    /* 103 */ {u8"Notes", u8"Note", u8"Les notes"},
    /* 104 */ {u8"Cancel", u8"Annulla", u8"Annuler"},
    /* 105 */ {u8"Contacts", u8"Contatti", u8"Les contacts"},
    /* 106 */ {u8"Password protection", u8"Protezione con password", u8"Mot de Passe de protection"},
    /* 107 */ {u8"Find..", u8"Trova..", u8"Chercher.."},
    /* 108 */ {u8"Close", u8"Chiudi", u8"Fermer"},
    /* 109 */ {u8"Find (next)", u8"Trova (successivo)", u8"Chercher (suivant)"},
    /* 110 */ {u8"Preferences", u8"Preferenze", u8"Préférences"},
    /* 111 */ {u8"Auto-Save data when quitting (recommended)", u8"Auto-Registra i dati quando esci (consigliato)", u8"Sauver automatiquement les données en quittant (recommandé)"},
    /* 112 */ {u8"Warning when deleting / restoring data", u8"Avverti prima di cancellare / ripristinare i dati", u8"Attention quand vous supprimez / restaurez les données"},
    /* 113 */ {u8"Reminders on/off", u8"Allarme orario on/off", u8"Alerts on/off"},
    /* 114 */ {u8"Custom sound..", u8"Suono personalizzato..", u8"Custom sound.."},
    /* 115 */ {u8"Background skin..", u8"Immagine di sfondo..", u8"Background skin.."},
    /* 116 */ {u8"Cancel", u8"Annulla", u8"Annuler"},
}};

const char* AsChars(const char8_t* text) { return reinterpret_cast<const char*>(text); }

}  // namespace

const std::array<TextRow, kTextRowCount>& BuiltInTexts() {
  static const std::array<TextRow, kTextRowCount> rows = [] {
    std::array<TextRow, kTextRowCount> converted{};
    for (std::size_t r = 0; r < kTextRowCount; ++r)
      converted[r] = {AsChars(kRows[r].english), AsChars(kRows[r].italian), AsChars(kRows[r].french)};
    return converted;
  }();
  return rows;
}

std::vector<std::string> EnglishLanguageFileLines() {
  std::vector<std::string> lines(kLanguageFileHeader.begin(), kLanguageFileHeader.end());
  for (const TextRow& row : BuiltInTexts()) lines.emplace_back(row.english);
  return lines;
}

// One pass over the message, so that a value holding a mark (a folder named "Diary^1")
// is never filled in itself.
std::string Filled(std::string_view message, std::initializer_list<std::string_view> values) {
  std::string out;
  for (size_t i = 0; i < message.size(); ++i) {
    const size_t n = i + 1 < message.size() ? static_cast<size_t>(message[i + 1] - '0') : values.size();
    if (message[i] == '^' && n < values.size() && n < 10) {
      out += values.begin()[n];
      ++i;
    } else {
      out += message[i];
    }
  }
  return out;
}

}  // namespace resources
