#pragma once
// Files and folders. A FolderItem names a path that may or may not exist. Text files
// are UTF-8, one value per line. Writers never destroy the old file before the new
// one is whole: output goes beside the final name and is renamed into place on Close.
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include "framework/text.h"

namespace fw {

class TextInputStream;
class TextOutputStream;

class FolderItem {
 public:
  FolderItem() = default;
  explicit FolderItem(String absolutePath);

  String AbsolutePath() const { return path_; }
  String Name() const;
  FolderItem Parent() const;
  FolderItem Child(const String& name) const;
  bool Exists() const;
  bool Directory() const;
  bool IsWriteable() const;  // a folder we can create files in, or a file we can replace

  bool CreateAsFolder() const;  // also creates missing parents; true when it exists afterwards
  bool Delete() const;          // a file, or an empty folder; true when it is gone afterwards
  bool Rename(const String& newName) const;  // within the same folder
  bool CopyTo(const FolderItem& destination) const;

  // Nullptr when the file cannot be opened/created; the caller decides what that means.
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;
  std::unique_ptr<TextOutputStream> CreateTextFile() const;  // replaces on Close
  // Restrict a file to its owner (mode 0600), for files holding a password.
  bool SetOwnerOnly() const;

 private:
  String path_;
};

class TextInputStream {
 public:
  virtual ~TextInputStream() = default;
  // One line without its break; CR, LF and CRLF each end a line. "" at the end of file.
  virtual String ReadLine() = 0;
  virtual String ReadAll() = 0;
  virtual bool EOF() const = 0;
  virtual void Close() = 0;
  // Bytes that are not valid UTF-8 are read as Mac Roman instead (call before reading).
  enum class Encoding { UTF8, MacRoman, Detect };
  virtual void SetEncoding(Encoding e) = 0;
};

class TextOutputStream {
 public:
  virtual ~TextOutputStream() = default;
  // Writes the text and a line end (LF). A CR inside the text is written as a line end too.
  virtual void WriteLine(const String& line) = 0;
  virtual void Write(const String& text) = 0;
  // Commits: renames the finished file into place. False when anything failed, in which
  // case the old file (if any) is untouched. Destroying an unclosed stream discards it.
  virtual bool Close() = 0;
};

// Mac Roman bytes (as old files on a Mac were written) to UTF-8.
String MacRomanToUtf8(const std::string& bytes);

// The folder that holds the executable; when that is not writable, $XDG_DATA_HOME/velqora.
FolderItem ApplicationFolder();
// The user's Preferences folder: $XDG_CONFIG_HOME, or ~/.config.
FolderItem PreferencesFolder();
// A name resolved relative to the application's folder.
FolderItem GetFolderItem(const String& name);

// File dialogs. Nothing on cancel.
std::optional<FolderItem> GetOpenFolderItem(const String& fileType);
std::optional<FolderItem> GetSaveFolderItem(const String& fileType, const String& defaultName);

// Test seams.
void SetApplicationFolderForTesting(const String& path);  // "" restores the real one
void SetPreferencesFolderForTesting(const String& path);
// While a handler is set, dialogs ask it instead of showing anything (nullopt = cancel).
struct FileDialogRequest {
  bool save = false;
  String fileType;
  String defaultName;
};
using FileDialogHandler = std::function<std::optional<String>(const FileDialogRequest&)>;
void SetFileDialogHandlerForTesting(FileDialogHandler handler);  // nullptr restores

}  // namespace fw
