// Text costs, each measured at a text of n characters and of 2n, so that the two
// figures show how a routine grows with its text (linear: twice the time). The
// framework's text routines, then the program's routines that go through a note or a
// contact field: the find window, the speech respelling, the alarm scan, the contact
// search, the note menu's rows, the repeats, the stores, the language file, the two
// exports and the printed notes page. Last, the find window over a year of notes of
// 2,000 characters, the cost of one press of "Find (next)" without a hit.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/contacts_export.h"
#include "bench/bench_main.h"
#include "bench/open_diary.h"
#include "dialogs/alarm_scan.h"
#include "dialogs/finfind.h"
#include "dialogs/printed_pages.h"
#include "framework/application.h"
#include "framework/controls.h"
#include "framework/devices.h"
#include "framework/files.h"
#include "framework/printing.h"
#include "framework/text.h"
#include "framework/text_views.h"
#include "framework/thread.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/note_repeat.h"
#include "resources/texttable.h"
#include "store/globali.h"
#include "store/notes_export.h"

namespace {

constexpr int64_t kLong = 100000;  // characters, for routines that walk a text once
constexpr int64_t kNote = 8000;    // characters, for the program's walks through a note

// A note as users write them: Italian words with accented letters and times, on
// lines of some 60 characters. Exactly `chars` characters, none of them a "§".
fw::String NoteText(int64_t chars) {
  static const fw::String kLine = "Riunione alle 9:30 con Marco, poi caffè in città, più tardi 18:25.";
  static const int64_t kLineLength = fw::Len(kLine);
  fw::String text;
  for (int64_t count = 0; count < chars;) {
    if (count > 0) {
      text += '\r';
      ++count;
    }
    const int64_t take = std::min(kLineLength, chars - count);
    text += fw::Left(kLine, take);
    count += take;
  }
  return text;
}

// --- The framework's text routines -----------------------------------------------------

// A routine of the framework on a text of n characters (`n` lets it take a part).
template <class F>
void TextRoutine(benchmark::State& state, F routine) {
  const fw::String text = NoteText(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(routine(text, state.range(0)));
}

#define TEXT_ROUTINE(name, expr)                                                                   \
  void BM_Text_##name(benchmark::State& state) {                                                  \
    TextRoutine(state, [](const fw::String& s, [[maybe_unused]] int64_t n) { return expr; });     \
  }                                                                                                \
  BENCHMARK(BM_Text_##name)->Arg(kLong)->Arg(2 * kLong)->Unit(benchmark::kMicrosecond)

TEXT_ROUTINE(Len, fw::Len(s));
TEXT_ROUTINE(Left, fw::Left(s, n / 2));
TEXT_ROUTINE(Right, fw::Right(s, n / 2));
TEXT_ROUTINE(Mid, fw::Mid(s, n / 2, n / 4));
TEXT_ROUTINE(MidToEnd, fw::Mid(s, n / 2));
TEXT_ROUTINE(Uppercase, fw::Uppercase(s));
TEXT_ROUTINE(Lowercase, fw::Lowercase(s));
TEXT_ROUTINE(Trim, fw::Trim(s));
TEXT_ROUTINE(InStr, fw::InStr(s, "§"));
TEXT_ROUTINE(InStrFrom, fw::InStr(n / 2, s, "§"));
TEXT_ROUTINE(ReplaceAll, fw::ReplaceAll(s, "à", "a"));
TEXT_ROUTINE(CountFields, fw::CountFields(s, " "));
TEXT_ROUTINE(NthField, fw::NthField(s, " ", n / 8));
TEXT_ROUTINE(LinesToCR, fw::LinesToCR(s));
TEXT_ROUTINE(IsValidUtf8, fw::IsValidUtf8(s));
TEXT_ROUTINE(Characters, fw::Len(fw::Characters(s)));
TEXT_ROUTINE(CharactersEveryPosition, [&s] {
  const fw::Characters chars(s);
  size_t bytes = 0;
  for (int64_t j = 1; j <= fw::Len(chars); ++j) bytes += fw::Mid(chars, j, 2).size();
  return bytes;
}());
TEXT_ROUTINE(Fields, [&s] {
  const fw::Fields fields(s, " ");
  size_t bytes = 0;
  for (int64_t k = 1; k <= fw::CountFields(fields); ++k) bytes += fw::NthField(fields, k).size();
  return bytes;
}());

// --- The program's routines ------------------------------------------------------------

void ClearNotes() {
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) {
      Globali::nota(d, m) = "";
      Globali::fontecolore(d, m) = "112";
    }
}

finfind::Window& FindWindowSearching(const fw::String& needle) {
  finfind::Window& w = finfind::finfind();
  w.Member<fw::EditField>("EditField1").SetText(needle);
  return w;
}

// One press of "Find (next)" for a text no note holds: every cell of the year walked.
void PressFindWithoutHit(finfind::Window& w, benchmark::State& state) {
  for (auto _ : state) {
    w.Member<fw::PushButton>("PushButton2").Push();
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_FindInOneNote(benchmark::State& state) {
  ClearNotes();
  Globali::nota(15, 6) = NoteText(state.range(0));
  PressFindWithoutHit(FindWindowSearching("§x"), state);
  ClearNotes();
}
BENCHMARK(BM_FindInOneNote)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMillisecond);

void BM_FindYearOf2000CharacterNotes(benchmark::State& state) {
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 31; ++d) Globali::nota(d, m) = NoteText(2000);
  PressFindWithoutHit(FindWindowSearching("§x"), state);
  ClearNotes();
}
BENCHMARK(BM_FindYearOf2000CharacterNotes)->Unit(benchmark::kMillisecond);

// The share of the find window's own bar in the above: moved and redrawn once per
// cell, 372 times.
void BM_FindBarOverAYear(benchmark::State& state) {
  auto& bar = FindWindowSearching("§x").Member<fw::ProgressBar>("ProgressBar1");
  for (auto _ : state) {
    for (int32_t c = 1; c <= 372; ++c) {
      bar.SetValue(c);
      bar.Refresh();
    }
    state.PauseTiming();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FindBarOverAYear)->Unit(benchmark::kMillisecond);

void BM_SpeechRespelling(benchmark::State& state) {
  const fw::String note = NoteText(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(Globali::parlaitaliano(note));
}
BENCHMARK(BM_SpeechRespelling)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void BM_AlarmScan(benchmark::State& state) {
  Globali::testodioggi = NoteText(state.range(0));
  trovas scan;
  for (auto _ : state) {
    scan.RunAfresh();
    fw::RunPendingThreadsForTesting();
  }
  Globali::testodioggi = "";
}
BENCHMARK(BM_AlarmScan)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void OneContactWithNotes(int64_t chars) {
  Globali::contquanti = 1;
  Globali::contatto.Redim(1, 9);
  for (int f = 0; f < 9; ++f) Globali::contatto(1, f) = "Rossi Mario";
  Globali::contatto(1, 9) = NoteText(chars);
  Globali::contpunta = 1;
}

// A search text that only the end of the notes field holds.
void BM_ContactSearch(benchmark::State& state) {
  OneContactWithNotes(state.range(0));
  Globali::contatto(1, 9) += "§";
  fin_main::Window& w = fin_main::fin_main();
  w.Member<fw::EditField>("cerca_campo").SetText("§");
  for (auto _ : state) {
    Globali::cercapunta = 0;
    w.cercontatto();
  }
}
BENCHMARK(BM_ContactSearch)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

// A chosen row that no row reads: every row compared.
void BM_NoteMenuCommand(benchmark::State& state) {
  fin_main::Window& w = fin_main::fin_main();
  const fw::String saved = Globali::testoloc(0, 0);
  fw::String rows;
  while (static_cast<int64_t>(rows.size()) < state.range(0)) rows += "Riga,";
  Globali::testoloc(0, 0) = rows;
  Globali::indexo = 0;
  for (auto _ : state) w.ContextualMenu1_Action(w, "§");
  Globali::testoloc(0, 0) = saved;
}
BENCHMARK(BM_NoteMenuCommand)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void BM_NoteRepeatWeekly(benchmark::State& state) {
  const fw::String note = NoteText(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    ClearNotes();
    state.ResumeTiming();
    fin_main::diary::RepeatWeekly({7, 12, 2026}, "218", [&note] { return note; });
  }
  ClearNotes();
}
BENCHMARK(BM_NoteRepeatWeekly)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void BM_NotesStoreSaveAndLoad(benchmark::State& state) {
  ClearNotes();
  Globali::nota(15, 6) = NoteText(state.range(0) * 10);
  for (auto _ : state) {
    Globali::salvanote();
    Globali::ripristinanote();
  }
  ClearNotes();
}
BENCHMARK(BM_NotesStoreSaveAndLoad)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void BM_ContactsStoreSaveAndLoad(benchmark::State& state) {
  OneContactWithNotes(state.range(0) * 10);
  for (auto _ : state) {
    Globali::salvacontatti();
    Globali::ripristinacontatti();
  }
}
BENCHMARK(BM_ContactsStoreSaveAndLoad)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

// A custom language file of long rows, read at start-up.
void BM_LanguageFileRead(benchmark::State& state) {
  const fw::String path = fw::ApplicationFolder().Child("LANGUAGE.txt").AbsolutePath();
  {
    std::ofstream out(path, std::ios::binary);
    out << resources::kLanguageFileFirstLine << "\n";
    for (int i = 0; i < 5; ++i) out << "header\n";
    const fw::String row = fw::ReplaceAll(NoteText(state.range(0) * 10 / 117), "\r", " ");
    for (int r = 0; r < 117; ++r) out << row << "\n";
  }
  for (auto _ : state) Globali::carica_localizzazione();
  std::filesystem::remove(path);
  Globali::carica_localizzazione();
}
BENCHMARK(BM_LanguageFileRead)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void AnswerSaveDialogsWith(const fw::String& name) {
  const fw::String path = fw::ApplicationFolder().Child(name).AbsolutePath();
  fw::SetFileDialogHandlerForTesting([path](const fw::FileDialogRequest&) { return path; });
}

void BM_ContactsExport(benchmark::State& state) {
  OneContactWithNotes(state.range(0) * 10);
  AnswerSaveDialogsWith("contacts.txt");
  for (auto _ : state) benchmark::DoNotOptimize(contacts_export::Export());
  fw::SetFileDialogHandlerForTesting(nullptr);
}
BENCHMARK(BM_ContactsExport)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

void BM_NotesExport(benchmark::State& state) {
  ClearNotes();
  Globali::nota(15, 6) = NoteText(state.range(0) * 10);
  AnswerSaveDialogsWith("notes.txt");
  for (auto _ : state) benchmark::DoNotOptimize(Globali::esportanote(true));
  fw::SetFileDialogHandlerForTesting(nullptr);
  ClearNotes();
}
BENCHMARK(BM_NotesExport)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMicrosecond);

// The notes page with the first shown day's note n characters long.
void BM_PrintNotesPage(benchmark::State& state) {
  fin_main::Window& w = fin_main::fin_main();
  w.Member<fw::EditField>("nota_campo", 0).SetText(NoteText(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    fw::SetPrinterDialogHandlerForTesting([](const fw::PrinterSetup*) { return true; });  // forgets past jobs
    state.ResumeTiming();
    auto page = fw::OpenPrinterDialog();
    stampafin::PrintShownDays(*page);
    page->Finish();
  }
  fw::SetPrinterDialogHandlerForTesting(nullptr);
  w.Member<fw::EditField>("nota_campo", 0).SetText("");
}
BENCHMARK(BM_PrintNotesPage)->Arg(kNote)->Arg(2 * kNote)->Unit(benchmark::kMillisecond);

// The diary on 7 December 2026 with no notes, the application opened.
void OpenDiary() {
  fw::SetSpeakHandlerForTesting([](const fw::String&, bool) {});
  fin_main::Window& w = ShowDiaryOn7December2026();
  ClearNotes();
  w.creamese();
  w.aggiorni();
  fw::OpenApplication();
  QApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv, [] { OpenDiary(); });
}
