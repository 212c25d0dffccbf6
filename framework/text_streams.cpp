#include "framework/text_streams_qt.h"

#include "framework/whole_save_qt.h"

namespace fw {

namespace {

bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// The program keeps CR between lines; files on this system end lines with LF.
std::string WithLfBreaks(const String& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

// A byte-order mark some editors put at the start is not text.
BufferedTextInput::BufferedTextInput(std::string bytes) : bytes_(std::move(bytes)) {
  if (bytes_.compare(0, 3, "\xEF\xBB\xBF") == 0) pos_ = 3;
}

void BufferedTextInput::SetEncoding(Encoding e) { encoding_ = e; }

// Detecting decides each line on its own: one stray byte must not turn every accented
// letter elsewhere in the file into other letters.
String BufferedTextInput::Decode(size_t from, size_t to) const {
  std::string bytes = bytes_.substr(from, to - from);
  switch (encoding_) {
    case Encoding::UTF8: return bytes;
    case Encoding::MacRoman: return MacRomanToUtf8(bytes);
    case Encoding::Detect: break;
  }
  String text;
  text.reserve(bytes.size());
  for (size_t start = 0; start < bytes.size();) {
    size_t end = start;
    while (end < bytes.size() && !IsBreak(bytes[end])) ++end;
    std::string line = bytes.substr(start, end - start);
    text += IsValidUtf8(line) ? line : MacRomanToUtf8(line);
    if (end < bytes.size()) text += bytes[end++];
    start = end;
  }
  return text;
}

String BufferedTextInput::ReadLine() {
  if (EOF()) return "";
  size_t end = pos_;
  while (end < bytes_.size() && !IsBreak(bytes_[end])) ++end;
  String line = Decode(pos_, end);
  pos_ = end;
  if (pos_ < bytes_.size()) {
    const bool crlf = bytes_[pos_] == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n';
    pos_ += crlf ? 2 : 1;
  }
  return line;
}

String BufferedTextInput::ReadAll() {
  if (EOF()) return "";
  String rest = Decode(pos_, bytes_.size());
  pos_ = bytes_.size();
  return rest;
}

bool BufferedTextInput::EOF() const { return closed_ || pos_ >= bytes_.size(); }

void BufferedTextInput::Close() {
  closed_ = true;
  std::string().swap(bytes_);
  pos_ = 0;
}

SaveFileTextOutput::SaveFileTextOutput(std::unique_ptr<QSaveFile> file) : file_(std::move(file)) {}

SaveFileTextOutput::~SaveFileTextOutput() {
  if (!closed_) file_->cancelWriting();  // the QSaveFile then drops its temporary file
}

void SaveFileTextOutput::WriteLine(const String& line) { Write(line + "\n"); }

void SaveFileTextOutput::Write(const String& text) {
  if (closed_ || failed_) return;  // after a short write the file can only be discarded
  const std::string bytes = WithLfBreaks(text);
  failed_ = file_->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size());
}

void SaveFileTextOutput::WriteLineAsIs(const String& line) {
  if (closed_ || failed_) return;
  const std::string bytes = line + "\n";
  failed_ = file_->write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size());
}

bool SaveFileTextOutput::Close() {
  if (!closed_) {
    closed_ = true;
    if (failed_) file_->cancelWriting();
    else committed_ = CommitWhole(*file_);
  }
  return committed_;
}

}  // namespace fw
