#include "app/preferences_file.h"

#include <algorithm>
#include <array>
#include <string>

#include "framework/devices.h"
#include "store/copy_choice.h"
#include "store/file_formats.h"
#include "store/globali.h"
#include "store/text_files.h"

namespace prefs {
namespace {

using fw::String;

// A numeric line as a whole number; text that is no number reads as 0, and a number
// beyond the range of a whole number stops at its edge.
int32_t Number(const String& line) {
  const double v = std::clamp(fw::Val(line), -2147483648.0, 2147483647.0);
  return static_cast<int32_t>(v);
}

int32_t InRangeOr(int32_t v, int32_t low, int32_t high, int32_t fallback) {
  return v >= low && v <= high ? v : fallback;
}

String Decimal(int32_t v) { return fw::Str(static_cast<int64_t>(v)); }
String TrueFalse(bool b) { return b ? "true" : "false"; }

// A line break inside a path would move every later line of the file; such a path can
// name no file the program could use, so it is kept as no file.
bool OnOneLine(const String& s) { return s.find_first_of("\r\n") == String::npos; }
String UsablePath(const String& path) { return OnOneLine(path) ? path : String(); }

// The password field takes a pasted line end with the password; on its line in the file
// the password is what was typed around it.
String OnItsLine(String text) {
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

// What a line holds in a file the program wrote: a whole number in a range, "true" or
// "false", or any text.
struct Form {
  enum Kind { Number, Flag, Text } kind;
  int32_t low = 0, high = 0;
};
constexpr Form NumberIn(int32_t low, int32_t high) { return {Form::Number, low, high}; }
constexpr Form kFlag{Form::Flag};
constexpr Form kText{Form::Text};

bool Fits(const Form& form, const String& line) {
  switch (form.kind) {
    case Form::Number:
      return !line.empty() && line.size() <= 10 && line.find_first_not_of("0123456789") == String::npos &&
             Number(line) >= form.low && Number(line) <= form.high;
    case Form::Flag:
      return line == "true" || line == "false";
    case Form::Text:
      break;
  }
  return true;
}

// One line of the file: what it holds, how it is written from Globali, read back into
// it, and what it holds when there is no file or the file ends before it.
struct Line {
  Form form;
  String (*write)();
  void (*read)(const String& text);
  void (*fallback)();
};

using namespace Globali;

// Lines 8 to 10 are on unless they say "false"; lines 11, 13 and 15 off unless they
// say "true". A sound or picture flag goes off with its path when the path is unusable.
const std::array<Line, kLineCount> kLines{{
    /* 1 language */ {NumberIn(1, 4), [] { return Decimal(lingua); },
                      [](const String& t) { lingua = InRangeOr(Number(t), 1, 4, 1); },
                      [] { lingua = 1; }},
    /* 2 lock */ {NumberIn(0, 1), [] { return Decimal(pwutilizza); },
                  [](const String& t) { pwutilizza = Number(t) == 1 ? 1 : 0; },
                  [] { pwutilizza = 0; }},
    // While the stored password has not been matched in this run (the lock was not
    // passed, or was off), it is still the user's password and is written back.
    /* 3 password */ {kText, [] { return OnItsLine(password.empty() ? wordpass : password); },
                      [](const String& t) { password = t; },
                      [] {}},
    /* 4 red */ {NumberIn(0, 255), [] { return Decimal(col_r); },
                 [](const String& t) { col_r = std::clamp(Number(t), 0, 255); },
                 [] { col_r = 0; }},
    /* 5 green */ {NumberIn(0, 255), [] { return Decimal(col_g); },
                   [](const String& t) { col_g = std::clamp(Number(t), 0, 255); },
                   [] { col_g = 0; }},
    /* 6 blue */ {NumberIn(0, 255), [] { return Decimal(col_b); },
                  [](const String& t) { col_b = std::clamp(Number(t), 0, 255); },
                  [] { col_b = 0; }},
    /* 7 view */ {NumberIn(0, 2), [] { return Decimal(visua); },
                  [](const String& t) { visua = InRangeOr(Number(t), 0, 2, 0); },
                  [] { visua = 0; }},
    /* 8 auto-save */ {kFlag, [] { return TrueFalse(pref_autosave); },
                       [](const String& t) { pref_autosave = t != "false"; },
                       [] { pref_autosave = true; }},
    /* 9 confirmations */ {kFlag, [] { return TrueFalse(pref_warning); },
                           [](const String& t) { pref_warning = t != "false"; },
                           [] { pref_warning = true; }},
    /* 10 reminders */ {kFlag, [] { return TrueFalse(pref_reminder); },
                        [](const String& t) { pref_reminder = t != "false"; },
                        [] { pref_reminder = true; }},
    /* 11 own sound */ {kFlag, [] { return TrueFalse(pref_sound && OnOneLine(pref_soundf)); },
                        [](const String& t) { pref_sound = t == "true"; },
                        [] { pref_sound = false; }},
    /* 12 sound file */ {kText, [] { return UsablePath(pref_soundf); },
                         [](const String& t) { pref_soundf = t; },
                         [] { pref_soundf = ""; }},
    /* 13 picture */ {kFlag, [] { return TrueFalse(pref_skin && OnOneLine(pref_skinf)); },
                      [](const String& t) { pref_skin = t == "true"; },
                      [] { pref_skin = false; }},
    /* 14 picture file */ {kText, [] { return UsablePath(pref_skinf); },
                           [](const String& t) { pref_skinf = t; },
                           [] { pref_skinf = ""; }},
    /* 15 reversed icons */ {kFlag, [] { return TrueFalse(pref_reverse); },
                             [](const String& t) { pref_reverse = t == "true"; },
                             [] { pref_reverse = false; }},
}};

constexpr size_t kSoundFileLine = 12;
constexpr size_t kPictureFileLine = 14;

// The whole of the picture drawn stretched over a new one of the given size; none for
// a size with no pixels (a window not laid out yet), which has nothing to draw into.
fw::Picture Stretched(const fw::Picture& picture, int32_t width, int32_t height) {
  fw::Picture p = fw::NewPicture(width, height, 32);
  if (!p) return p;
  p.GetGraphics().DrawPicture(picture, 0, 0, width, height, 0, 0, picture.Width(), picture.Height());
  return p;
}

// The stored sound is loaded whatever line 11 says; a file that is no sound clears
// the choice, a file that is not there leaves it for another day.
void LoadAlarmSound() {
  if (pref_soundf.empty()) return;
  const fw::FolderItem file = fw::GetFolderItem(pref_soundf);
  if (!file.Exists()) return;
  suonodiallarme = OpenAlarmSound(file);
  if (!suonodiallarme) {
    pref_soundf = "";
    pref_sound = false;
  }
}

// The stored picture, stretched to the window's size at this moment, becomes the
// window's backdrop whatever line 13 says.
void LoadBackgroundPicture(const WindowHooks& hooks) {
  if (pref_skinf.empty()) return;
  const fw::FolderItem file = fw::GetFolderItem(pref_skinf);
  if (!file.Exists()) return;
  const fw::Picture picture = fw::OpenPictureFile(file.AbsolutePath());
  if (!picture) {
    pref_skinf = "";
    pref_skin = false;
    return;
  }
  const int32_t w = hooks.width ? hooks.width() : picture.Width();
  const int32_t h = hooks.height ? hooks.height() : picture.Height();
  immaginedisfondo = Stretched(picture, w, h);
  if (hooks.setBackdrop) hooks.setBackdrop(immaginedisfondo);
}

}  // namespace

bool StorablePath(const fw::String& path) { return OnOneLine(path); }

std::shared_ptr<fw::Sound> OpenAlarmSound(const fw::FolderItem& file) {
  if (!StorablePath(file.AbsolutePath())) return nullptr;
  return fw::OpenAsSound(file.AbsolutePath());
}

fw::Picture OpenBackgroundPicture(const fw::FolderItem& file, int32_t width, int32_t height) {
  if (!StorablePath(file.AbsolutePath())) return fw::Picture();
  const fw::Picture picture = fw::OpenPictureFile(file.AbsolutePath());
  return picture ? Stretched(picture, width, height) : fw::Picture();
}

fw::FolderItem ApplicationCopy() { return fw::GetFolderItem(kFileName); }

fw::FolderItem PreferencesCopy() {
  return fw::PreferencesFolder().Child(Globali::formats::kPrefsFolder).Child(kFileName);
}

void SetDefaults() {
  for (const Line& line : kLines) line.fallback();
  suonodiallarme.reset();
  immaginedisfondo = fw::Picture();
}

bool Read(const WindowHooks& hooks) {
  // The Preferences copy first; a copy is used only when its fifteen lines are what the
  // program writes (copy_choice.h). Folders, pipes and missing files cannot be read and
  // never win.
  const Globali::copies::Places places = Globali::copies::BothPlaces(kFileName, PreferencesCopy(), false);
  const auto copy = Globali::copies::ChooseCopy<std::vector<String>>(
      places, [](const fw::FolderItem& file, Globali::copies::Found& f) {
        std::vector<String> read;
        if (auto in = Globali::textfiles::OpenForReading(file)) {
          f.readable = true;
          while (!in->EOF() && read.size() < kLineCount) read.push_back(in->ReadLine());
          in->Close();
        }
        for (size_t n = 0; n < read.size(); ++n) f.amount += Fits(kLines[n].form, read[n]) ? 1 : 0;
        f.wellFormed = f.amount == kLineCount;
        return read;
      });
  if (copy.chosen < 0) {
    SetDefaults();
    return false;
  }
  const std::vector<String>& chosenLines = copy.content;
  for (size_t n = 0; n < kLineCount; ++n) {
    if (n < chosenLines.size()) kLines[n].read(chosenLines[n]); else kLines[n].fallback();
    if (n + 1 == kSoundFileLine) LoadAlarmSound();
    if (n + 1 == kPictureFileLine) LoadBackgroundPicture(hooks);
  }
  if (hooks.afterLastLine) hooks.afterLastLine();
  Globali::copies::KeepAsideCopiesNotUsed(copy.found, copy.chosen);
  return true;
}

std::vector<fw::String> Lines() {
  std::vector<fw::String> lines;
  for (const Line& line : kLines) lines.push_back(line.write());
  return lines;
}

// The framework writes every file its owner's only from its first byte, so the
// password never lies in a file others may read; a copy that cannot be kept so is
// reported as not written (on a file system without modes, a stick's, it is saved).
bool WriteCopy(const fw::FolderItem& file, const std::vector<fw::String>& lines) {
  return Globali::copies::WriteCopy(file, [&] { return Globali::textfiles::WriteLines(file, lines); }) &&
         file.SetOwnerOnly();
}

Globali::SaveReport WriteBothCopies() {
  const std::vector<fw::String> lines = Lines();
  const uint64_t bytes = Globali::textfiles::BytesOf(lines);
  Globali::SaveReport report;
  const fw::FolderItem appCopy = ApplicationCopy();
  report.Add(appCopy, WriteCopy(appCopy, lines), bytes);
  const fw::FolderItem prefsCopy = PreferencesCopy();
  report.Add(prefsCopy, Globali::textfiles::EnsureFolder(prefsCopy.Parent()) && WriteCopy(prefsCopy, lines), bytes);
  return report;
}

}  // namespace prefs
