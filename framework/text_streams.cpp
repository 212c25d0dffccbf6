#include "framework/text_streams_qt.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "framework/utf8.h"

namespace fw {

namespace {

// Where the line starting at `from` ends: its CR or LF, or the end. Looked for with
// the library's search, many bytes at a time (a line may be megabytes long), in a
// window that doubles until it holds the end: a search over the whole rest for a
// break of a kind the file does not use would cost every line the file's length.
size_t LineEnd(std::string_view bytes, size_t from) {
  for (size_t window = 256;; window *= 2) {
    const std::string_view part = bytes.substr(0, std::min(bytes.size(), from + window));
    const size_t end = std::min(part.find('\r', from), part.find('\n', from));
    if (end != std::string_view::npos) return end;
    if (part.size() == bytes.size()) return bytes.size();
    from = part.size();
  }
}

// The program keeps CR between lines; files on this system end lines with LF. The runs
// between CRs are copied whole, as a save passes megabytes through here.
std::string WithLfBreaks(const String& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t from = 0; from < text.size();) {
    const size_t cr = text.find('\r', from);
    if (cr == String::npos) {
      out.append(text, from, String::npos);
      break;
    }
    out.append(text, from, cr - from);
    out += '\n';
    from = cr + 1 < text.size() && text[cr + 1] == '\n' ? cr + 2 : cr + 1;
  }
  return out;
}

}  // namespace

// A byte-order mark some editors put at the start is not text.
BufferedTextInput::BufferedTextInput(std::string bytes) : bytes_(std::move(bytes)) {
  if (bytes_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
}

void BufferedTextInput::SetEncoding(Encoding e) {
  encoding_ = e;
  if (e == Encoding::Detect) wholeIsUtf8_ = IsValidUtf8(std::string_view(bytes_).substr(pos_));
}

namespace {

bool IsLatinLetter(uint32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

// A character of the two-byte UTF-8 leads D0 to D5: Cyrillic or Armenian.
bool IsCyrillicOrArmenian(uint32_t c) { return c >= 0x400 && c <= 0x57F; }

// In Mac Roman the bytes D0 to D5 are the dashes and curly quotes, and an apostrophe
// before an accented letter ("c’è", "l’è") happens to form a valid UTF-8 pair: a
// Cyrillic or Armenian character. Such a pair stands alone among Latin letters
// ("cՏ"), which marks a valid line as the old encoding's. A real Cyrillic or Armenian
// word holds more than one such letter, also when a Latin look-alike letter has
// slipped into it ("Пeтров"); those words stay, as do Latin words beside them.
bool HasMacRomanPunctuationPair(std::string_view line) {
  const bool anyLead = std::any_of(line.begin(), line.end(), [](char b) {
    return static_cast<unsigned char>(b) >= 0xD0 && static_cast<unsigned char>(b) <= 0xD5;
  });
  if (!anyLead) return false;
  // Per word (a run of Latin, Cyrillic and Armenian letters): its Cyrillic or Armenian
  // characters, and whether one of them touches a Latin letter.
  size_t pairs = 0;
  bool besideLatin = false;
  uint32_t before = 0;
  for (size_t i = 0; i <= line.size(); i += i < line.size() ? utf8::CharLength(line, i) : 1) {
    const uint32_t c = i < line.size() ? utf8::Decode(line, i) : 0;
    if (IsCyrillicOrArmenian(c)) {
      ++pairs;
      besideLatin = besideLatin || IsLatinLetter(before);
    } else if (IsLatinLetter(c)) {
      besideLatin = besideLatin || IsCyrillicOrArmenian(before);
    } else {
      if (pairs == 1 && besideLatin) return true;
      pairs = 0;
      besideLatin = false;
    }
    before = c;
  }
  return false;
}

}  // namespace

// Detecting: a file that is valid UTF-8 throughout is UTF-8. Otherwise each line is
// decided on its own, so that one stray byte does not turn every accented letter
// elsewhere in the file into other letters.
bool BufferedTextInput::ReadsAsUtf8(std::string_view line) const {
  if (encoding_ != Encoding::Detect) return encoding_ == Encoding::UTF8;
  return wholeIsUtf8_ || (IsValidUtf8(line) && !HasMacRomanPunctuationPair(line));
}

String BufferedTextInput::Decode(size_t from, size_t to) const {
  const std::string_view bytes = std::string_view(bytes_).substr(from, to - from);
  if (encoding_ == Encoding::MacRoman) return MacRomanToUtf8(bytes);
  if (encoding_ == Encoding::UTF8 || wholeIsUtf8_) return String(bytes);
  String text;
  text.reserve(bytes.size());
  for (size_t start = 0; start < bytes.size();) {
    const size_t end = LineEnd(bytes, start);
    const std::string_view line = bytes.substr(start, end - start);
    if (ReadsAsUtf8(line)) text += line;
    else text += MacRomanToUtf8(line);
    if (end < bytes.size()) text += bytes[end];
    start = end + 1;
  }
  return text;
}

String BufferedTextInput::ReadLine() {
  if (EOF()) return "";
  const size_t end = LineEnd(bytes_, pos_);
  size_t next = end;  // after the line's break
  if (next < bytes_.size()) next += bytes_.compare(next, 2, "\r\n") == 0 ? 2 : 1;
  const std::string_view bytes = std::string_view(bytes_).substr(pos_, end - pos_);
  String line;
  if (bytes.size() > (bytes_.size() - pos_) / 2 && ReadsAsUtf8(bytes)) {
    // A line of most of what is left (a note of megabytes on one line), text as it
    // is, is taken out of the file's memory rather than copied.
    line = std::exchange(bytes_, bytes_.substr(next));
    line.resize(end);
    line.erase(0, pos_);
    pos_ = 0;
  } else {
    line = Decode(pos_, end);
    pos_ = next;
  }
  return line;
}

String BufferedTextInput::ReadAll() {
  if (EOF()) return "";
  String rest;
  if (encoding_ == Encoding::UTF8) {
    rest = std::move(bytes_);  // the bytes are the text: kept, not copied
    rest.erase(0, pos_);
  } else {
    rest = Decode(pos_, bytes_.size());
  }
  bytes_.clear();
  pos_ = 0;
  return rest;
}

bool BufferedTextInput::EOF() const { return closed_ || pos_ >= bytes_.size(); }

void BufferedTextInput::Close() {
  closed_ = true;
  std::string().swap(bytes_);
  pos_ = 0;
}

// Destroyed unclosed, the WholeSave drops its temporary file.
SaveFileTextOutput::SaveFileTextOutput(std::unique_ptr<WholeSave> file) : file_(std::move(file)) {}

void SaveFileTextOutput::WriteLine(const String& line) { Write(line + "\n"); }

// Most text written holds no CR (the store sends whole chunks of LF-ended lines): it
// goes out as it is.
void SaveFileTextOutput::Write(const String& text) {
  if (text.find('\r') == String::npos) Put(text);
  else Put(WithLfBreaks(text));
}

void SaveFileTextOutput::WriteLineAsIs(const String& line) { Put(line + "\n"); }

// After a short write the WholeSave takes nothing more, and its commit fails.
void SaveFileTextOutput::Put(const std::string& bytes) {
  if (!closed_) file_->Write(bytes);
}

bool SaveFileTextOutput::Close() {
  if (!closed_) {
    closed_ = true;
    committed_ = file_->Commit();
  }
  return committed_;
}

}  // namespace fw
