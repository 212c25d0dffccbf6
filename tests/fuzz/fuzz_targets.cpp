// The targets: each writes its input where the program finds that file, then runs the
// program's own reader on it.
#include "fuzz/fuzz_targets.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/preferences_file.h"
#include "framework/controls.h"
#include "framework/files.h"
#include "framework/properties.h"
#include "framework/text.h"
#include "framework/thread.h"
#include "framework/timer.h"
#include "framework/window.h"
#include "fuzz/fuzz_world.h"
#include "store/contacts_store.h"
#include "store/globali.h"
#include "store/localisation.h"
#include "store/notes_store.h"
#include "store/save_report.h"

namespace fuzz {

namespace {

// A finding that is no crash by itself: the reader broke a promise it makes.
void Require(bool promise) {
  if (!promise) std::abort();
}

// An input is one copy of a file, or two: the first copy's bytes, then kSecondCopy,
// one byte of choices and the second copy's bytes. So each reader's choice between two
// copies, its keeping aside of those it does not use and the save's telling of what it
// could not write all run on what the fuzzer makes.
constexpr std::string_view kSecondCopy{"\0second copy\0", 13};
enum Choice : uint8_t {
  kWhen = 3,              // 0 both copies changed at once, 1 the first later, 2 the second later,
  kInFallback = 3,        //   3 the application copy in the other place beside the program
  kSave = 4,              // a save follows the load, and the telling of what it could not write
  kSecondIsAFolder = 8,   // a folder stands where the second copy goes
  kOlderLayout = 16,      // notes: the two copies are the older single files, notes and styles
};

struct Input {
  std::string first;
  std::optional<std::string> second;
  uint8_t choices = 0;
};

Input Split(const uint8_t* data, size_t size) {
  const std::string_view all(reinterpret_cast<const char*>(data), size);
  const size_t at = all.find(kSecondCopy);
  Input input;
  input.first = all.substr(0, at);
  if (at == std::string_view::npos) return input;
  const std::string_view rest = all.substr(at + kSecondCopy.size());
  if (!rest.empty()) input.choices = static_cast<uint8_t>(rest[0]);
  input.second = std::string(rest.substr(std::min<size_t>(1, rest.size())));
  return input;
}

// A file of the store as a target sees it: where its two copies go, the reader and the
// writer, and what a load leaves of a copy in memory, as text.
struct StoreFile {
  std::string first, second;  // the copies' paths in order of precedence
  std::string fallback;       // the application copy's path in the other place beside the program; "" for none
  bool applicationFirst;      // which of the two is the application copy
  void (*setUp)();            // what every input finds there besides
  void (*load)();
  Globali::SaveReport (*save)();
  std::string (*loaded)(bool secondCopy);
};

std::string Joined(const Globali::TextTable& table) {
  std::string text;
  for (int32_t i = 0; i <= table.Ubound(1); ++i)
    for (int32_t j = 0; j <= table.Ubound(2); ++j) text += table(i, j) + '\x1f';
  return text;
}

// A copy whose content is not what the load used and the save wrote must be kept, byte
// for byte, in its place or beside it; which copy was used shows in what a load of that
// copy alone leaves in memory.
int Run(const StoreFile& file, const uint8_t* data, size_t size) {
  const Input input = Split(data, size);
  const bool inFallback = input.second && (input.choices & kWhen) == kInFallback && !file.fallback.empty();
  const std::string first = inFallback && file.applicationFirst ? file.fallback : file.first;
  const std::string second = inFallback && !file.applicationFirst ? file.fallback : file.second;
  std::vector<std::pair<std::string, std::string>> copies{{first, input.first}};
  if (input.second && !(input.choices & kSecondIsAFolder)) copies.emplace_back(second, *input.second);

  auto place = [&](const std::vector<std::pair<std::string, std::string>>& files) {
    EmptyFolders();
    ReadBesideTheProgramToo(inFallback);
    if (file.setUp) file.setUp();
    for (const auto& [path, bytes] : files) {
      WriteInput(path, bytes);
      const int when = input.choices & kWhen;
      ChangedAt(path, (path == first && when == 1) || (path == second && when == 2) ? 60 : 0);
    }
  };
  place(copies);
  if (input.second && (input.choices & kSecondIsAFolder)) std::filesystem::create_directories(second);
  file.load();
  const std::string usedFirst = file.loaded(false), usedSecond = file.loaded(true);
  if (input.choices & kSave) Globali::TellSaveProblems(file.save());

  std::vector<size_t> notKept;
  for (size_t i = 0; i < copies.size(); ++i)
    if (!KeptBeside(copies[i].first, copies[i].second)) notKept.push_back(i);
  for (size_t i : notKept) {
    place({copies[i]});
    file.load();
    const bool isSecond = copies[i].first == second;
    Require(file.loaded(isSecond) == (isSecond ? usedSecond : usedFirst));
  }
  ReadBesideTheProgramToo(false);
  return 0;
}

const std::string kYearNotes = "diary database/2026n.txt", kYearStyles = "diary database/2026f.txt";

std::string LoadedNotes(bool) { return Joined(Globali::nota); }
std::string LoadedStyles(bool) { return Joined(Globali::fontecolore); }

int Notes(const uint8_t* data, size_t size) {
  static const StoreFile year{AppPath(kYearNotes),   PrefsPath("velqora diary database/2026n.txt"),
                              FallbackPath(kYearNotes), true, nullptr, Globali::ripristinanote,
                              Globali::salvanote,       LoadedNotes};
  // The older layout: its notes file first, its style file second.
  static const StoreFile older{AppPath("vlqnote.txt"), AppPath("vlqfont.txt"), "", true, nullptr,
                               Globali::ripristinanote, Globali::salvanote,
                               [](bool styles) { return styles ? LoadedStyles(true) : LoadedNotes(false); }};
  const Input input = Split(data, size);
  return Run(input.second && (input.choices & kOlderLayout) ? older : year, data, size);
}

int Styles(const uint8_t* data, size_t size) {
  static const StoreFile styles{AppPath(kYearStyles), PrefsPath("velqora diary database/2026f.txt"),
                                FallbackPath(kYearStyles), true,
                                [] { WriteInput(AppPath(kYearNotes), "*strtnota*\nA note\n"); },
                                Globali::ripristinanote, Globali::salvanote, LoadedStyles};
  return Run(styles, data, size);
}

std::string LoadedContacts(bool) {
  Require(Globali::contquanti >= 1 && Globali::contpunta >= 1 && Globali::contpunta <= Globali::contquanti);
  return std::to_string(Globali::contquanti) + '\x1f' + Joined(Globali::contatto);
}

int Contacts(const uint8_t* data, size_t size) {
  static const StoreFile contacts{PrefsPath("velqora diary prefs/vlqcont.txt"), AppPath("vlqcont.txt"),
                                  FallbackPath("vlqcont.txt"), false, nullptr, Globali::ripristinacontatti,
                                  Globali::salvacontatti, LoadedContacts};
  return Run(contacts, data, size);
}

std::string LoadedPreferences(bool) {
  std::string text;
  for (const fw::String& line : prefs::Lines()) text += line + '\x1f';
  return text;
}

int Preferences(const uint8_t* data, size_t size) {
  static const StoreFile preferences{PrefsPath("velqora diary prefs/vlqprefs.txt"), AppPath("vlqprefs.txt"),
                                     FallbackPath("vlqprefs.txt"), false, nullptr,
                                     [] {
                                       Globali::password = "";  // a file without the line leaves it
                                       prefs::Read(prefs::WindowHooks{});
                                     },
                                     prefs::WriteBothCopies,
                                     LoadedPreferences};
  return Run(preferences, data, size);
}

int Language(const uint8_t* data, size_t size) {
  EmptyFolders();
  WriteInput(AppPath("LANGUAGE.txt"), data, size);
  Globali::carica_localizzazione();
  return 0;
}

// Every reading mode; what is decoded from Mac Roman, or detected, is valid UTF-8.
int TextStream(const uint8_t* data, size_t size) {
  EmptyFolders();
  const std::string path = AppPath("text.txt");
  WriteInput(path, data, size);
  using E = fw::TextInputStream::Encoding;
  for (E encoding : {E::UTF8, E::MacRoman, E::Detect}) {
    auto in = fw::FolderItem(path).OpenAsTextFile();
    Require(in != nullptr);
    in->SetEncoding(encoding);
    for (size_t lines = 0; !in->EOF(); ++lines) {
      Require(lines <= size);
      const fw::String line = in->ReadLine();
      Require(encoding == E::UTF8 || fw::IsValidUtf8(line));
    }
    in = fw::FolderItem(path).OpenAsTextFile();
    in->SetEncoding(encoding);
    const fw::String all = in->ReadAll();
    Require(encoding == E::UTF8 || fw::IsValidUtf8(all));
  }
  return 0;
}

class MemberTimer : public fw::Timer, public fw::PaneChild {};
class MemberThread : public fw::Thread, public fw::PaneChild {};

template <class T>
std::unique_ptr<fw::Object> Make() {
  return std::make_unique<T>();
}

// The first byte chooses the class whose table reads the rest as a blob.
int Layout(const uint8_t* data, size_t size) {
  using Factory = std::unique_ptr<fw::Object> (*)();
  static const Factory kClasses[] = {
      Make<fw::Window>, Make<fw::Canvas>, Make<fw::Rectangle>, Make<fw::Oval>, Make<fw::Line>,
      Make<fw::StaticText>, Make<fw::EditField>, Make<fw::PushButton>, Make<fw::RadioButton>,
      Make<fw::CheckBox>, Make<fw::BevelButton>, Make<fw::Listbox>, Make<fw::ProgressBar>,
      Make<fw::ContextualMenu>, Make<fw::Timer>, Make<fw::Thread>, Make<MemberTimer>, Make<MemberThread>};
  if (size == 0) return 0;
  const std::unique_ptr<fw::Object> object = kClasses[data[0] % std::size(kClasses)]();
  try {
    fw::_SetProperties(*object, data + 1, size - 1);
  } catch (const fw::BlobError&) {
    // Rejected whole, as a malformed blob must be.
  }
  return 0;
}

}  // namespace

const std::vector<NamedTarget>& Targets() {
  static const std::vector<NamedTarget> targets{
      {"notes", Notes},       {"styles", Styles},     {"contacts", Contacts},       {"preferences", Preferences},
      {"language", Language}, {"text_stream", TextStream}, {"layout", Layout}};
  return targets;
}

Target TargetNamed(std::string_view name) {
  for (const NamedTarget& t : Targets())
    if (name == t.name) return t.run;
  return nullptr;
}

}  // namespace fuzz
