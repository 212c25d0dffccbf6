// The targets: each writes its input where the program finds that file, then runs the
// program's own reader on it.
#include "fuzz/fuzz_targets.h"

#include <cstdlib>
#include <functional>
#include <memory>

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

namespace fuzz {

namespace {

// A finding that is no crash by itself: the reader broke a promise it makes.
void Require(bool promise) {
  if (!promise) std::abort();
}

int Notes(const uint8_t* data, size_t size) {
  EmptyFolders();
  WriteInput(AppPath("diary database/2026n.txt"), data, size);
  Globali::ripristinanote();
  return 0;
}

int Styles(const uint8_t* data, size_t size) {
  EmptyFolders();
  WriteInput(AppPath("diary database/2026n.txt"), "*strtnota*\nA note\n");
  WriteInput(AppPath("diary database/2026f.txt"), data, size);
  Globali::ripristinanote();
  return 0;
}

int Contacts(const uint8_t* data, size_t size) {
  EmptyFolders();
  WriteInput(PrefsPath("velqora diary prefs/vlqcont.txt"), data, size);
  Globali::ripristinacontatti();
  Require(Globali::contquanti >= 1 && Globali::contpunta >= 1 && Globali::contpunta <= Globali::contquanti);
  return 0;
}

int Preferences(const uint8_t* data, size_t size) {
  EmptyFolders();
  WriteInput(PrefsPath("velqora diary prefs/vlqprefs.txt"), data, size);
  prefs::Read(prefs::WindowHooks{});
  return 0;
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
