#pragma once
// The platform interfaces on Win32, through the wide-character entry points.
// This header needs no <windows.h>; note that <windows.h> defines DeleteFile
// as a macro, so a file that includes both should #undef DeleteFile after it.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace qv::platform {

// Windows matches wildcards against 8.3 short names too, so "*.ini" may list
// "a.ini_old" on a volume that has short names; callers that care filter.
class Win32FileSystem : public FileSystem {
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
};

// Every dialog is owned by the thread's active window.
class Win32Dialogs : public Dialogs {
 public:
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
  bool CountDown(const std::string& caption, const std::string& text, unsigned seconds) override;
};

// A started batch runs in a Job Object that outlives neither this program's
// handle nor its own processes, but is never told to end them when the
// handle closes: a window that crashes leaves the batch running.
class Win32Processes : public Processes {
 public:
  Win32Processes() = default;
  Win32Processes(const Win32Processes&) = delete;
  Win32Processes& operator=(const Win32Processes&) = delete;
  ~Win32Processes() override;
  std::optional<std::uint32_t> Start(const std::string& commandLine, const std::string& workingFolder,
                                     const std::string& variable, const std::string& value) override;
  bool Running(std::uint32_t job) override;
  void End(std::uint32_t job) override;
  void Pause(std::uint32_t job, bool paused) override;
  void Release(std::uint32_t job) override;
  std::int64_t NowMs() override;
  bool Power(PowerAction action) override;
  std::optional<std::string> Run(const std::string& program, const std::vector<std::string>& arguments,
                                 unsigned timeoutMs) override;
  std::string Environment(const std::string& name) override;

 private:
  void* JobHandle(std::uint32_t job) const;
  std::map<std::uint32_t, void*> jobs_;  // the Job Objects' handles by key
  std::uint32_t nextJob_ = 1;
};

// Libraries stay loaded until the process ends.
class Win32Libraries : public Libraries {
 public:
  Handle Load(const std::string& name) override;
  std::optional<std::int32_t> CallIntInt(Handle library, const char* exportName, std::int32_t a,
                                         std::int32_t b) override;
};

class Win32Clipboard : public Clipboard {
 public:
  // Empty text leaves the clipboard empty.
  void SetText(const std::string& text) override;
};

// The machine's OEM and ANSI code pages, as the system converts them.
class Win32CodePages : public CodePages {
 public:
  std::optional<std::string> ToOem(std::string_view utf8) override;
  std::optional<std::string> ToAnsi(std::string_view utf8) override;
  std::string FromAnsi(std::string_view bytes) override;
};

// The whole real system, with the folder of the running program.
struct Win32Platform {
  Win32FileSystem files;
  Win32Dialogs dialogs;
  Win32Processes processes;
  Win32Libraries libraries;
  Win32Clipboard clipboard;
  Win32CodePages codePages;
  Platform platform{files, dialogs, processes, libraries, clipboard, codePages, ProgramFolder(), WorkingFolder()};
};

// Writes UTF-8 text to standard output or standard error (`error`): a
// console shows every character of it, a file or a pipe gets the bytes.
void WriteStandardText(std::string_view text, bool error);

}  // namespace qv::platform
