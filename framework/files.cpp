#include "framework/files.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QUtf8StringView>
#include <limits.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "framework/regular_file_qt.h"
#include "framework/save_errors.h"
#include "framework/text_qt.h"
#include "framework/text_streams_qt.h"
#include "framework/whole_save.h"

namespace fw {

namespace {

struct FolderSeams {
  String application, preferences;
  String executable, fallback;
  FileDialogHandler dialogs;
};
FolderSeams& Seams() {
  static FolderSeams seams;
  return seams;
}

bool CanWriteInto(const QString& folder) {
  return QFileInfo(folder).isDir() && ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

// A folder named in another character set than UTF-8 (an old disk's Latin-1) has no
// name the program's paths can hold: the name read back names no folder.
bool ExecutableFolderNamedInUtf8() {
  char target[PATH_MAX];
  const ssize_t size = ::readlink("/proc/self/exe", target, sizeof target);
  return size <= 0 || QUtf8StringView(target, size).isValidUtf8();
}

// The executable's folder is there but cannot be written, or cannot be named. Gone, it
// answers as when it was last seen: saves that went to the fallback go on there (a
// write-protected stick pulled out), those that went beside the program fail there and
// say so.
bool FallsBack(const QString& exeFolder) {
  if (!ExecutableFolderNamedInUtf8()) return true;
  static QString lastSeen;
  static bool lastFellBack = false;
  if (!QFileInfo::exists(exeFolder)) return exeFolder == lastSeen && lastFellBack;
  lastSeen = exeFolder;
  lastFellBack = !CanWriteInto(exeFolder);
  return lastFellBack;
}

QString ExecutableFolder() {
  if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
  return QFileInfo(QFileInfo("/proc/self/exe").symLinkTarget()).absolutePath();
}

bool IsAbsoluteIn(const char* variable) { return QDir::isAbsolutePath(qEnvironmentVariable(variable)); }

// $HOME; where it is not set, the user database's home folder (the toolkit would take
// the root folder, where nobody would look); "" when neither is known.
QString HomeFolder() {
  if (IsAbsoluteIn("HOME")) return QDir::cleanPath(qEnvironmentVariable("HOME"));
  const passwd* user = ::getpwuid(::getuid());
  if (user && user->pw_dir && user->pw_dir[0] == '/') return QDir::cleanPath(QFile::decodeName(user->pw_dir));
  return QString();
}

// An XDG variable counts only when it holds an absolute path, as the XDG rules say.
// "" when neither it nor a home folder is known.
QString XdgFolder(const char* variable, const char* fallbackUnderHome) {
  if (IsAbsoluteIn(variable)) return QDir::cleanPath(qEnvironmentVariable(variable));
  const QString home = HomeFolder();
  return home.isEmpty() ? QString() : QDir::cleanPath(home + "/" + fallbackUnderHome);
}

QString ExecutableFolderPath() {
  return Seams().executable.empty() ? ExecutableFolder() : ToQ(Seams().executable);
}

QString FallbackApplicationFolderPath() {
  if (!Seams().fallback.empty()) return ToQ(Seams().fallback);
  const QString data = XdgFolder("XDG_DATA_HOME", ".local/share");
  return data.isEmpty() ? QString() : data + "/velqora";
}

QString FilterFor(const String& fileType) {
  if (fileType == "text") return "Text files (*.txt);;All files (*)";
  return "All files (*)";
}

}  // namespace

FolderItem::FolderItem(String absolutePath)
    : path_(absolutePath.empty() ? String() : FromQ(QDir::cleanPath(ToQ(absolutePath)))) {}

String FolderItem::Name() const { return FromQ(QFileInfo(ToQ(path_)).fileName()); }
String FolderItem::DisplayName() const { return Name(); }

FolderItem FolderItem::Parent() const { return FolderItem(FromQ(QFileInfo(ToQ(path_)).absolutePath())); }

// A path that names nothing has no children: never the root folder's.
FolderItem FolderItem::Child(const String& name) const {
  if (path_.empty()) return FolderItem();
  return FolderItem(path_ == "/" ? "/" + name : path_ + "/" + name);
}

bool FolderItem::Exists() const { return !path_.empty() && QFileInfo::exists(ToQ(path_)); }
bool FolderItem::Directory() const { return !path_.empty() && QFileInfo(ToQ(path_)).isDir(); }

bool FolderItem::IsWriteable() const {
  if (path_.empty()) return false;
  if (Directory()) return CanWriteInto(ToQ(path_));
  if (Exists() && ::access(path_.c_str(), W_OK) != 0) return false;
  return CanWriteInto(ToQ(Parent().path_));
}

int64_t FolderItem::ModifiedNanoseconds() const {
  struct stat info {};
  if (path_.empty() || ::stat(path_.c_str(), &info) != 0) return 0;
  return static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

// Each folder made here is its owner's only (0700): it holds a diary. Folders that
// already exist keep their modes.
bool FolderItem::CreateAsFolder() const {
  if (path_.empty()) return false;
  if (Directory()) return true;
  // Why a folder was not made is told to WhyNotWritten under the folder where the making
  // stopped; the others are forgotten.
  bool stopped = false;
  for (size_t end = path_.find('/', 1); ; end = path_.find('/', end + 1)) {
    const std::string step = path_.substr(0, end);
    const bool made = ::mkdir(step.c_str(), S_IRWXU) == 0;
    // A umask can only take rights away; one that took the owner's (0777) is undone
    // here, or the folder could not be used, in this run or the next. The rest of its
    // mode stays: a group passed on from the folder around it (set-group-ID) goes on.
    struct stat status {};
    if (made && ::stat(step.c_str(), &status) == 0 && (status.st_mode & S_IRWXU) != S_IRWXU)
      (void)::chmod(step.c_str(), (status.st_mode & 07777) | S_IRWXU);
    const bool failed = !made && errno != EEXIST;
    NoteSaveError(step, failed && !stopped ? errno : 0);
    stopped = stopped || failed;
    if (end == String::npos) break;
  }
  return Directory();
}

bool FolderItem::Delete() const {
  if (path_.empty()) return false;
  const QFileInfo info(ToQ(path_));
  if (info.isDir() && !info.isSymLink()) QDir().rmdir(ToQ(path_));
  else QFile::remove(ToQ(path_));
  return !QFileInfo(ToQ(path_)).exists() && !QFileInfo(ToQ(path_)).isSymLink();
}

bool FolderItem::Rename(const String& newName) const {
  if (!Exists() || newName.empty() || newName.find('/') != String::npos) return false;
  const FolderItem target = Parent().Child(newName);
  if (target.Exists()) return false;  // never replaces another file
  return QDir().rename(ToQ(path_), ToQ(target.path_));
}

// The copy is written whole beside its final name first, like every other file.
bool FolderItem::CopyTo(const FolderItem& destination) const {
  if (!Exists() || Directory() || destination.path_.empty()) return false;
  const FolderItem target = destination.Directory() ? destination.Child(Name()) : destination;
  if (target.path_ == path_) return true;
  const std::optional<std::string> bytes = ReadRegularFileAsString(ToQ(path_));
  if (!bytes) return false;
  WholeSave out(target.path_);
  return out.Open() && out.Write(*bytes) && out.Commit();
}

bool SameText(const FolderItem& a, const FolderItem& b) {
  return RegularFilesHoldSameText(ToQ(a.AbsolutePath()), ToQ(b.AbsolutePath()));
}

std::unique_ptr<TextInputStream> FolderItem::OpenAsTextFile() const {
  std::optional<std::string> bytes = ReadRegularFileAsString(ToQ(path_));
  if (!bytes) return nullptr;
  return std::make_unique<BufferedTextInput>(std::move(*bytes));
}

std::unique_ptr<TextOutputStream> FolderItem::CreateTextFile() const {
  if (path_.empty()) return nullptr;
  auto file = std::make_unique<WholeSave>(path_);
  if (!file->Open()) return nullptr;
  return std::make_unique<SaveFileTextOutput>(std::move(file));
}

// A file system that keeps no modes (a memory stick's FAT) refuses every change of one,
// also on the owner's own file: that file is as private as it can be there. An SFTP
// server may refuse every change of mode (EACCES through sshfs) and still make each file
// with the mode it was asked for: a file that is already its owner's only stays so.
bool FolderItem::SetOwnerOnly() const {
  if (path_.empty()) return false;
  if (::chmod(path_.c_str(), S_IRUSR | S_IWUSR) == 0) return true;
  const bool keepsNoModes = errno == EPERM || errno == ENOSYS || errno == EOPNOTSUPP;
  struct stat info {};
  if (::stat(path_.c_str(), &info) != 0) return false;
  return (info.st_mode & (S_IRWXG | S_IRWXO)) == 0 || (keepsNoModes && info.st_uid == ::geteuid());
}

FolderItem ProgramFolder() {
  if (!Seams().application.empty()) return FolderItem(Seams().application);
  return FolderItem(FromQ(ExecutableFolderPath()));
}

// Without a fallback (no home folder known) the executable's folder it is, writable or
// not: a write there then fails, and says so. So it is when that folder went away while
// the program ran (the memory stick it stands on pulled out): the saves there fail and
// the user is told, where a fallback would take them out of sight.
FolderItem ApplicationFolder() {
  if (!Seams().application.empty()) return FolderItem(Seams().application);
  const QString exeFolder = ExecutableFolderPath();
  const QString fallback = FallbackApplicationFolderPath();
  if (!FallsBack(exeFolder) || fallback.isEmpty()) return FolderItem(FromQ(exeFolder));
  const FolderItem folder(FromQ(fallback));
  folder.CreateAsFolder();
  return folder;
}

FolderItem OtherApplicationFolder() {
  if (!Seams().application.empty()) return FolderItem();
  const QString exeFolder = ExecutableFolderPath();
  const QString fallback = FallbackApplicationFolderPath();
  if (fallback.isEmpty() || QDir::cleanPath(fallback) == QDir::cleanPath(exeFolder)) return FolderItem();
  return FolderItem(FromQ(FallsBack(exeFolder) ? exeFolder : fallback));
}

FolderItem PreferencesFolder() {
  if (!Seams().preferences.empty()) return FolderItem(Seams().preferences);
  const QString config = XdgFolder("XDG_CONFIG_HOME", ".config");
  return config.isEmpty() ? ApplicationFolder() : FolderItem(FromQ(config));
}

bool PreferencesFolderFromEnvironment() {
  return !Seams().preferences.empty() || IsAbsoluteIn("XDG_CONFIG_HOME") || IsAbsoluteIn("HOME");
}

FolderItem GetFolderItem(const String& name) {
  if (!name.empty() && name[0] == '/') return FolderItem(name);
  return ApplicationFolder().Child(name);
}

namespace {

// The file the test seam answers while one is set, else the one the dialog returns;
// none on cancel, and none without a desktop to show the dialog on.
std::optional<FolderItem> AskForFile(const FileDialogRequest& request) {
  std::optional<String> chosen;
  if (Seams().dialogs) {
    chosen = Seams().dialogs(request);
  } else if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    const QString filter = FilterFor(request.fileType);
    const QString path =
        request.save ? QFileDialog::getSaveFileName(nullptr, QString(),
                                                    QDir::homePath() + "/" + ToQ(request.defaultName), filter)
                     : QFileDialog::getOpenFileName(nullptr, QString(), QDir::homePath(), filter);
    if (!path.isEmpty()) chosen = FromQ(path);
  }
  return chosen ? std::optional<FolderItem>(FolderItem(*chosen)) : std::nullopt;
}

}  // namespace

std::optional<FolderItem> GetOpenFolderItem(const String& fileType) { return AskForFile({false, fileType, ""}); }

std::optional<FolderItem> GetSaveFolderItem(const String& fileType, const String& defaultName) {
  return AskForFile({true, fileType, defaultName});
}

void SetApplicationFolderForTesting(const String& path) { Seams().application = path; }
void SetPreferencesFolderForTesting(const String& path) { Seams().preferences = path; }
void SetProgramFoldersForTesting(const String& executableFolder, const String& fallback) {
  Seams().executable = executableFolder;
  Seams().fallback = fallback;
}
void SetFileDialogHandlerForTesting(FileDialogHandler handler) { Seams().dialogs = std::move(handler); }

}  // namespace fw
