#pragma once
// The system interfaces on a POSIX host, for native builds (the command-line
// batch maker and the tests). The core builds Windows path texts; these
// classes map them onto the host file system. Dialogs are not provided: a
// native program brings its own answers.

#include <string>

#include "platform/platform.h"

namespace qv::platform {

// A Windows path text as a host path: every "\" becomes "/".
std::string HostPath(const std::string& path);

class PosixFileSystem : public FileSystem {
 public:
  FileContent ReadFile(const std::string& path, std::size_t limit) override;
  // A file without any write permission bit counts as read-only and is left
  // alone, as Windows leaves a file with the read-only attribute.
  bool WriteFile(const std::string& path, std::string_view bytes) override;
  std::unique_ptr<FileWriter> WriteInParts(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
  bool CreateFolder(const std::string& path) override;
  // "." and ".." are never listed; a listing with no match is nullopt, as on
  // Windows.
  std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder,
                                                     const std::string& pattern) override;
  std::string PathKey(const std::string& path) override;
  FileContent ReadFileFrom(const std::string& path, std::uint64_t offset, std::size_t limit) override;
  std::optional<std::uint64_t> FileSize(const std::string& path) override;

 private:
  std::string currentFolder_;
};

// A Windows batch cannot run on a POSIX host, so Start never starts one and
// there is no job to watch.
class PosixProcesses : public Processes {
 public:
  std::optional<std::uint32_t> Start(const std::string&, const std::string&, const std::string&,
                                     const std::string&) override {
    return std::nullopt;
  }
  bool Running(std::uint32_t) override { return false; }
  void End(std::uint32_t) override {}
  void Pause(std::uint32_t, bool) override {}
  void Release(std::uint32_t) override {}
  std::int64_t NowMs() override;
  bool Power(PowerAction) override { return false; }
  std::optional<std::string> Run(const std::string& program, const std::vector<std::string>& arguments,
                                 unsigned timeoutMs) override;
  std::string Environment(const std::string& name) override;
};

// The calculator library is a Windows DLL called with the Windows standard
// calling convention; a native build has no such library to load, so every
// load fails and the calculator yields nothing.
class PosixLibraries : public Libraries {
 public:
  Handle Load(const std::string& name) override;
  std::optional<std::int32_t> CallIntInt(Handle library, const char* exportName, std::int32_t a,
                                         std::int32_t b) override;
};

// A native build makes batches for some Windows machine whose code pages it
// cannot know: only ASCII is sure to reach its command interpreter and its
// 8-bit programs unchanged, so every other text is refused (and a batch is
// written in UTF-8). Older files are read as Windows-1252, the most common
// ANSI code page.
class PosixCodePages : public CodePages {
 public:
  std::optional<std::string> ToOem(std::string_view utf8) override { return AsciiOnly(utf8); }
  std::optional<std::string> ToAnsi(std::string_view utf8) override { return AsciiOnly(utf8); }
  std::string FromAnsi(std::string_view bytes) override;

 private:
  static std::optional<std::string> AsciiOnly(std::string_view utf8);
};

// Without a desktop session the clipboard lives in this object.
class MemoryClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override { text_ = text; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace qv::platform
