#pragma once
// Scriptable stand-ins for the operating system, for tests: an in-memory file
// system with Windows path rules, dialogs that give queued answers and record
// what they were asked, and processes, libraries and a clipboard that record
// their calls.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace qv::platform {

// Files and folders under Windows path rules: "\" or "/" separate, letter
// case is ignored, the name keeps the case it was created with.
class FakeFileSystem : public FileSystem {
 public:
  FileContent ReadFile(const std::string& path, std::size_t limit) override;
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder,
                                                     const std::string& pattern) override;
  std::string PathKey(const std::string& path) override;
  FileContent ReadFileFrom(const std::string& path, std::uint64_t offset, std::size_t limit) override;
  std::optional<std::uint64_t> FileSize(const std::string& path) override;

  // Test helpers. AddFile creates the missing folders on the way.
  void AddFile(const std::string& path, std::string bytes);
  void AddFolder(const std::string& path) { CreateFolder(path); }
  // Paths (as created) for which every write fails; reads still work.
  void MakeReadOnly(const std::string& path) { readOnly_.insert(Key(path)); }
  // The file exists but every read fails.
  void MakeUnreadable(const std::string& path) { unreadable_.insert(Key(path)); }
  // Every write into this folder fails.
  void MakeFolderUnwritable(const std::string& folder) { unwritableFolders_.insert(Key(folder)); }
  // Paths of all files, as created, in creation order of first write.
  std::vector<std::string> Files() const;
  // Paths of all folders, as created, sorted.
  std::vector<std::string> Folders() const;
  int writeCount = 0;

 private:
  static std::string Key(const std::string& path);  // lower case, "\" separators, no trailing "\"
  static std::string Parent(const std::string& key);
  struct File {
    std::string path;
    std::string bytes;
    long order;
  };
  std::map<std::string, File> files_;
  std::map<std::string, std::string> folders_;  // key -> path as created
  std::set<std::string> readOnly_;
  std::set<std::string> unreadable_;
  std::set<std::string> unwritableFolders_;
  long nextOrder_ = 0;
};

// Each call takes the next queued answer; with none queued it cancels
// (empty path, No, nullopt). Every call is recorded.
class FakeDialogs : public Dialogs {
 public:
  struct Call {
    std::string kind;  // "open", "openMany", "save", "folder", "yesno", "message", "edit", "countdown"
    std::string title;
    std::string defaultName;  // default name, start folder, message text or edit text
    std::string filter;       // filter, or the prompt of "edit"
  };

  std::string OpenFile(const std::string& title, const std::string& defaultName,
                       const std::string& filter) override;
  std::vector<std::string> OpenFiles(const std::string& title, const std::string& defaultName,
                                     const std::string& filter) override;
  std::string SaveFile(const std::string& title, const std::string& defaultName, const std::string& filter,
                       int* chosenFilter = nullptr) override;
  std::string BrowseFolder(const std::string& title, const std::string& startFolder) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  void ShowMessage(const std::string& caption, const std::string& text) override;
  std::optional<std::string> EditLine(const std::string& title, const std::string& prompt,
                                      const std::string& text) override;
  // Takes the next of `answers`: true lets the countdown run out.
  bool CountDown(const std::string& caption, const std::string& text, unsigned seconds) override;

  std::deque<std::string> paths;                   // OpenFile, SaveFile, BrowseFolder
  std::deque<std::vector<std::string>> pathLists;  // OpenFiles
  std::deque<bool> answers;                        // AskYesNo
  std::deque<int> filters;                         // SaveFile's chosen filter entry (1 when none)
  std::deque<std::optional<std::string>> edits;    // EditLine
  std::vector<Call> calls;
};

// Started jobs run until a test ends them (`running`); every call is logged.
class FakeProcesses : public Processes {
 public:
  std::optional<std::uint32_t> Start(const std::string& commandLine, const std::string& workingFolder,
                                     const std::string& variable, const std::string& value) override;
  bool Running(std::uint32_t job) override { return running.count(job) != 0; }
  void End(std::uint32_t job) override;
  void Pause(std::uint32_t job, bool paused) override;
  void Release(std::uint32_t job) override;
  std::int64_t NowMs() override { return now; }
  bool Power(PowerAction action) override;
  // The output of a program listed in `outputs` (by path as given); any
  // other cannot start.
  std::optional<std::string> Run(const std::string& program, const std::vector<std::string>& arguments,
                                 unsigned timeoutMs) override;
  std::string Environment(const std::string& name) override;

  std::map<std::string, std::string> outputs;
  std::map<std::string, std::string> environment;
  bool startFails = false;
  std::uint32_t nextId = 4242;
  std::set<std::uint32_t> running;
  std::int64_t now = 0;
  // Every call in order: "start ...", "end 4242", "pause 4242", "power 2", "run ...".
  std::vector<std::string> log;
};

class FakeLibraries : public Libraries {
 public:
  Handle Load(const std::string& name) override;
  std::optional<std::int32_t> CallIntInt(Handle library, const char* exportName, std::int32_t a,
                                         std::int32_t b) override;

  std::set<std::string> present;                 // libraries that load
  std::map<std::string, std::int32_t> results;   // export name -> result
  std::vector<std::pair<std::int32_t, std::int32_t>> calls;
  std::vector<std::string> loaded;
};

class FakeClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

// Latin-1 stands in for both code pages: it carries "café" but not "Файл",
// so that tests see both kinds of batch.
class FakeCodePages : public CodePages {
 public:
  std::optional<std::string> ToOem(std::string_view utf8) override { return ToLatin1(utf8); }
  std::optional<std::string> ToAnsi(std::string_view utf8) override { return ToLatin1(utf8); }
  std::string FromAnsi(std::string_view bytes) override;

 private:
  static std::optional<std::string> ToLatin1(std::string_view utf8);
};

// All fakes together, with a program folder of "C:\Q\" started in "C:\W\".
struct FakePlatform {
  FakeFileSystem files;
  FakeDialogs dialogs;
  FakeProcesses processes;
  FakeLibraries libraries;
  FakeClipboard clipboard;
  FakeCodePages codePages;
  Platform platform{files, dialogs, processes, libraries, clipboard, codePages, "C:\\Q\\", "C:\\W\\"};
};

}  // namespace qv::platform
