#pragma once
// The stream classes behind FolderItem's text files (framework-internal).
#include <memory>
#include <string_view>

#include "framework/files.h"
#include "framework/whole_save.h"

namespace fw {

// Reads from the whole file taken into memory at open, so that reading never blocks
// and a file changed or removed meanwhile cannot fail half-way.
class BufferedTextInput : public TextInputStream {
 public:
  explicit BufferedTextInput(std::string bytes);
  String ReadLine() override;
  String ReadAll() override;
  bool EOF() const override;
  void Close() override;
  void SetEncoding(Encoding e) override;

 private:
  String Decode(size_t from, size_t to) const;
  bool ReadsAsUtf8(std::string_view line) const;

  std::string bytes_;
  size_t pos_ = 0;
  Encoding encoding_ = Encoding::UTF8;
  bool wholeIsUtf8_ = true;  // with Detect: the file is valid UTF-8 from end to end
  bool closed_ = false;
};

// Writes through a WholeSave: the new text goes to a temporary file beside the final
// name and replaces the old file only when Close commits it whole.
class SaveFileTextOutput : public TextOutputStream {
 public:
  explicit SaveFileTextOutput(std::unique_ptr<WholeSave> file);
  void WriteLine(const String& line) override;
  void Write(const String& text) override;
  void WriteLineAsIs(const String& line) override;
  bool Close() override;

 private:
  void Put(const std::string& bytes);

  std::unique_ptr<WholeSave> file_;
  bool closed_ = false;
  bool committed_ = false;
};

}  // namespace fw
