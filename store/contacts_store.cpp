#include "store/contacts_store.h"

#include <array>
#include <cmath>
#include <new>
#include <vector>

#include "framework/files.h"
#include "framework/thread.h"
#include "store/copy_choice.h"
#include "store/file_formats.h"
#include "store/globali.h"
#include "store/text_files.h"
#include "store/window_refresh.h"

namespace Globali {

namespace {

namespace fmt = formats;
constexpr int32_t kFields = fmt::kContactFields;
using Contact = std::array<fw::String, kFields>;

// The maker's card, the whole address book when there is nothing else.
const Contact kSampleContact = {
    "Velqora Software", "Desktop software", "Via dei Mille 12, 40121 Bologna",
    "Italy",            "",                 "",
    "",                 "info@velqora.example", "www.velqora.example",
    ""};

fw::FolderItem PrefsCopy() {
  return fw::PreferencesFolder().Child(fmt::kPrefsFolder).Child(fmt::kContactsFile);
}
fw::FolderItem AppCopy() { return fw::ApplicationFolder().Child(fmt::kContactsFile); }

// A count line: its leading number; 0 for anything that is not a positive number.
int32_t CountOf(const fw::String& line) {
  const double n = fw::Val(line);
  if (!(n >= 1)) return 0;
  return n >= 2147483647.0 ? 2147483647 : static_cast<int32_t>(n);
}

// A count as the save writes it: decimal digits only, at least 1.
bool IsWrittenCount(const fw::String& line) {
  return !line.empty() && line.find_first_not_of("0123456789") == fw::String::npos && CountOf(line) >= 1;
}

struct ReadContactsFile {
  std::vector<Contact> contacts;
  bool whole = false;  // the count as written, every contact complete, nothing after
};

// Reads up to `count` contacts and stops at the end of the file: a contact cut short
// keeps what it has, and no contact is made up past the end. `whole` tells whether
// every contact was complete (with its end line, in the current layout).
std::vector<Contact> ReadContacts(fw::TextInputStream& in, int32_t count, bool withNotes, bool& whole) {
  std::vector<Contact> contacts;
  whole = true;
  while (static_cast<int32_t>(contacts.size()) < count && !in.EOF()) {
    Contact& c = contacts.emplace_back();
    int32_t f = 0;
    for (; f < kFields - 1 && !in.EOF(); ++f) {
      c[static_cast<size_t>(f)] = in.ReadLine();
      fw::YieldToNextThread();
    }
    bool closed = !withNotes && f == kFields - 1;
    if (withNotes && !in.EOF()) {
      fw::String& notes = c[kFields - 1];
      notes = in.ReadLine();  // the first line is the field's, whatever it holds
      while (!in.EOF()) {
        fw::String line = in.ReadLine();
        if (line == fmt::kContactEnd) {
          closed = true;
          break;
        }
        notes += '\r';
        notes += line;
        fw::YieldToNextThread();
      }
    }
    whole = whole && closed;
    fw::YieldToNextThread();
  }
  whole = whole && static_cast<int32_t>(contacts.size()) == count;
  return contacts;
}

// Only empty lines may follow the last contact of a whole file.
bool OnlyEmptyLinesLeft(fw::TextInputStream& in) {
  while (!in.EOF())
    if (!in.ReadLine().empty()) return false;
  return true;
}

ReadContactsFile ReadFile(const fw::FolderItem& file, bool& readable) {
  ReadContactsFile read;
  auto in = textfiles::OpenForReading(file);
  readable = in != nullptr;
  if (!in) return read;
  const fw::String first = in->ReadLine();
  const bool current = first == fmt::kContactsVersion;
  const bool versioned = current || first == fmt::kContactsVersionOld;
  const fw::String countLine = versioned ? in->ReadLine() : first;
  bool complete = false;
  read.contacts = ReadContacts(*in, CountOf(countLine), current, complete);
  read.whole = complete && IsWrittenCount(countLine) && OnlyEmptyLinesLeft(*in);
  in->Close();
  return read;
}

void Store(std::vector<Contact> contacts) {
  contquanti = static_cast<int32_t>(contacts.size());
  contatto.Redim(contquanti, kFields - 1);
  for (int32_t c = 1; c <= contquanti; ++c) {
    for (int32_t f = 0; f < kFields; ++f)
      contatto(c, f) = std::move(contacts[static_cast<size_t>(c - 1)][static_cast<size_t>(f)]);
    fw::YieldToNextThread();
  }
}

// Most values hold no line break: they are their own line, and skip the rewriting
// that the line rules need for the others.
bool OneLine(const fw::String& value) {
  return value.find('\r') == fw::String::npos && value.find('\n') == fw::String::npos;
}

textfiles::LineChunks FileText() {
  textfiles::LineChunks text;
  text.AddLine(fmt::kContactsVersion);
  text.AddLine(fw::Str(static_cast<int64_t>(contquanti)));
  for (int32_t c = 1; c <= contquanti; ++c) {
    // Fields 0..8 are one line each: a line break in them would shift every later value.
    for (int32_t f = 0; f < kFields - 1; ++f) {
      const fw::String& value = contatto(c, f);
      if (OneLine(value)) text.AddLine(value);
      else text.AddLine(fmt::OnOneLine(value));
      fw::YieldToNextThread();
    }
    const fw::String& notes = contatto(c, kFields - 1);
    if (OneLine(notes)) {
      text.AddLine(notes);  // the first line is never guarded
    } else {
      const std::vector<fw::String> lines = fmt::LinesOf(notes);
      for (size_t i = 0; i < lines.size(); ++i)
        text.AddLine(i == 0 ? lines[i] : fmt::GuardMarker(lines[i], fmt::kContactEnd));
    }
    text.AddLine(fmt::kContactEnd);
    fw::YieldToNextThread();
  }
  return text;
}

void RefreshListAndCard() {
  window::refillContactList();
  window::showCurrentContact();
}

}  // namespace

void ripristinacontatti() {
  // A whole copy is used, and of two whole ones that differ the one written last, the
  // Preferences copy when they are as recent; a damaged copy gives way to the other,
  // and when both are damaged the one with more contacts is used. Neither usable: the
  // sample contact, as when there is no file at all.
  const copies::Places places = copies::BothPlaces(fmt::kContactsFile, PrefsCopy(), false);
  auto copy = copies::ChooseCopy<std::vector<Contact>>(places, [](const fw::FolderItem& file, copies::Found& f) {
    ReadContactsFile r = ReadFile(file, f.readable);
    f.wellFormed = r.whole;
    f.amount = static_cast<int64_t>(r.contacts.size());
    return std::move(r.contacts);
  });
  int chosen = copy.chosen;
  std::vector<Contact> contacts = std::move(copy.content);
  if (contacts.empty()) {
    chosen = -1;  // nothing of either copy is used
    contacts.push_back(kSampleContact);
    contpunta = 1;
  }
  Store(std::move(contacts));
  if (contpunta < 1) contpunta = 1;
  if (contpunta > contquanti) contpunta = contquanti;
  cercapunta = 0;
  RefreshListAndCard();
  copies::KeepAsideCopiesNotUsed(copy.found, chosen);
}

namespace {

SaveReport WriteContacts() {
  // Put together once, written twice.
  const textfiles::LineChunks text = FileText();
  SaveReport report;
  const fw::FolderItem appCopy = AppCopy();
  const auto write = [&text](const fw::FolderItem& copy) {
    return copies::WriteCopy(copy, [&] { return textfiles::WriteChunks(copy, text); });
  };
  report.Add(appCopy, write(appCopy), text.Bytes());
  const fw::FolderItem prefsCopy = PrefsCopy();
  report.Add(prefsCopy, textfiles::EnsureFolder(prefsCopy.Parent()) && write(prefsCopy), text.Bytes());
  return report;
}

}  // namespace

// Contacts too large for the memory the program may have (an address-space limit) are
// written nowhere, and told so, as the notes are.
SaveReport salvacontatti() {
  try {
    return WriteContacts();
  } catch (const std::bad_alloc&) {
    return SaveReport::NoneWrittenForLackOfMemory({AppCopy(), PrefsCopy()});
  }
}

void eliminacontatti() {
  contpunta = 1;
  Store({kSampleContact});
  RefreshListAndCard();
}

void cancellauncontatto() {
  if (contpunta < 1 || contpunta > contquanti) return;
  if (contquanti == 1) {
    // The card needs a contact to show: the last one is emptied rather than removed.
    for (int32_t f = 0; f < kFields; ++f) contatto(1, f) = "";
    RefreshListAndCard();
    return;
  }
  const int32_t row = contpunta - 1;
  for (int32_t c = contpunta; c < contquanti; ++c) {
    for (int32_t f = 0; f < kFields; ++f) {
      contatto(c, f) = std::move(contatto(c + 1, f));
      fw::YieldToNextThread();
    }
    fw::YieldToNextThread();
  }
  // The card moves back only when the last contact went; otherwise the next one has
  // moved up into its place.
  if (contpunta == contquanti) --contpunta;
  --contquanti;
  contatto.Redim(contquanti, kFields - 1);
  window::removeContactRow(row);
  window::showCurrentContact();
}

}  // namespace Globali
