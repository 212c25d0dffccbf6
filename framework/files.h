#pragma once
// Files and folders. A FolderItem names a path that may or may not exist. Text files
// are UTF-8, one value per line. Writers never destroy the old file before the new
// one is whole: output goes beside the final name and is renamed into place on Close.
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include "framework/text.h"

// The C library's EOF macro would turn the streams' EOF() into "(-1)()". Nothing in the
// program needs the macro (std::char_traits<char>::eof() is the C++ spelling), so it goes;
// <cstdio> above makes sure it cannot come back later through its include guard.
#undef EOF

namespace fw {

class TextInputStream;
class TextOutputStream;

class FolderItem {
 public:
  FolderItem() = default;
  explicit FolderItem(String absolutePath);

  String AbsolutePath() const { return path_; }
  String Name() const;
  String DisplayName() const;  // the name as shown to the user
  FolderItem Parent() const;
  FolderItem Child(const String& name) const;
  bool Exists() const;
  bool Directory() const;
  bool IsWriteable() const;  // a folder we can create files in, or a file we can replace
  // When its content last changed, in nanoseconds since 1970; 0 when it is not there.
  int64_t ModifiedNanoseconds() const;

  // Also creates missing parents, each with mode 0700; true when it exists afterwards.
  bool CreateAsFolder() const;
  bool Delete() const;          // a file, or an empty folder; true when it is gone afterwards
  bool Rename(const String& newName) const;  // within the same folder
  bool CopyTo(const FolderItem& destination) const;  // a regular file only

  // Nullptr when the file cannot be opened/created (a missing folder, a folder in the
  // way, no permission); the caller decides what that means. Only regular files open:
  // the whole file is read at once, so reading never blocks.
  std::unique_ptr<TextInputStream> OpenAsTextFile() const;
  // Replaces on Close; the file written is readable by its owner only (mode 0600).
  std::unique_ptr<TextOutputStream> CreateTextFile() const;
  // Restrict a file to its owner (mode 0600), for files holding a password. True too
  // for the owner's file on a file system that keeps no modes, where nothing restricts it,
  // and for a file already its owner's only where the mode cannot be changed.
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
  // UTF8 (the default) passes bytes through unchanged, even invalid ones, so nothing is
  // lost. MacRoman reads every byte as Mac Roman. Detect reads a file that is valid
  // UTF-8 throughout as UTF-8; otherwise each line on its own: a line that is not valid
  // UTF-8, or that holds a word of Latin letters and one lone Cyrillic or Armenian
  // character (a Mac Roman "c’è" that happens to be valid), as Mac Roman, any other as
  // UTF-8: right for a file that a user may have saved from either kind of editor, or
  // that holds a stray byte somewhere.
  // A UTF-8 byte-order mark is skipped.
  // Takes effect for the lines read after the call.
  enum class Encoding { UTF8, MacRoman, Detect };
  virtual void SetEncoding(Encoding e) = 0;
};

class TextOutputStream {
 public:
  virtual ~TextOutputStream() = default;
  // Writes the text and a line end (LF). A CR (or CRLF) inside the text is written as a
  // line end too, in WriteLine and Write alike. Text is written as UTF-8, unchanged.
  virtual void WriteLine(const String& line) = 0;
  virtual void Write(const String& text) = 0;
  // Writes the text and a line end (LF) with every byte of the text as it is: a CR
  // inside it stays a CR, part of the line (for a value that keeps its line breaks).
  virtual void WriteLineAsIs(const String& line) = 0;
  // Commits: renames the finished file into place. False when anything failed, in which
  // case the old file (if any) is untouched. Destroying an unclosed stream discards it.
  virtual bool Close() = 0;
};

// Removes from the folder what saves interrupted for good left there: the temporary
// that every save of a file writes beside it, named after the file with the program's
// own ending, e.g. "2026n.txt.velqora-save-k3JxQ2". Nothing else goes, whatever its
// name: a user's "vlqcont.txt.MyCopy" stays, and so do the temporaries of older
// versions ("2026n.txt.IxaZBw"), which nothing tells apart from a copy a user named so.
// Call it only while no save can be under way there (while this run holds the folder).
// Answers how many went.
int RemoveLeftoverSaves(const FolderItem& folder);

// True when both are regular files that read as the same text, as OpenAsTextFile reads
// them (a leading byte-order mark is no text). Compared a piece at a time: neither is
// taken into memory whole.
bool SameText(const FolderItem& a, const FolderItem& b);

// Mac Roman bytes (as old files on a Mac were written) to UTF-8.
String MacRomanToUtf8(std::string_view bytes);

// The folder that holds the executable, writable or not.
FolderItem ProgramFolder();
// Where the files kept beside the application are written: the folder that holds the
// executable; when that is there but not writable, $XDG_DATA_HOME/velqora (created then).
FolderItem ApplicationFolder();
// The other place such files may stand and be read from, though nothing is written
// there: the executable's folder while it is there and cannot be written, else
// $XDG_DATA_HOME/velqora (what runs that could not write beside the executable left).
// Names nothing (an empty path) where there is no other place.
FolderItem OtherApplicationFolder();
// The user's Preferences folder: $XDG_CONFIG_HOME, or .config in the home folder: $HOME,
// or where neither is set the home folder the user database gives. Where no home
// folder is known at all, ApplicationFolder(), so that the second copies still stand
// somewhere the user can find them. (An XDG variable that is not an absolute path is
// ignored, as the XDG rules say.)
FolderItem PreferencesFolder();
// False when neither $XDG_CONFIG_HOME nor $HOME says where PreferencesFolder() is, so
// that the user may not know where it went.
bool PreferencesFolderFromEnvironment();
// A name resolved relative to the application's folder; an absolute path is taken as is.
FolderItem GetFolderItem(const String& name);

// File dialogs. Nothing on cancel. The file type "text" offers *.txt files first; any
// other type ("special/any") offers every file.
std::optional<FolderItem> GetOpenFolderItem(const String& fileType);
std::optional<FolderItem> GetSaveFolderItem(const String& fileType, const String& defaultName);

// Test seams.
void SetApplicationFolderForTesting(const String& path);  // "" restores the real one
// The executable's folder and its fallback as given, chosen between as the program does
// (by whether the first can be written); "", "" restores the real ones.
void SetProgramFoldersForTesting(const String& executableFolder, const String& fallback);
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
