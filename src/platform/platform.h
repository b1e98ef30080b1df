#pragma once
// The thin layer over the operating system, as small interfaces. The core
// works on Windows path texts ("C:\Q\configs\x.ini"); each implementation maps
// them onto its file system. Nothing here throws.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv::platform {

struct FolderEntry {
  std::string name;  // file name without folder
  bool isFolder;
};

enum class ReadStatus : std::uint8_t { Read, Missing, TooLarge };

struct FileContent {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;  // the whole file when read
};

// A file's bytes made of lines: `head`, each of `lines` with `lineEnd`
// after it, then `tail`.
struct LinesText {
  std::string_view head;
  const std::vector<std::string>& lines;
  std::string_view lineEnd;
  std::string_view tail;

  std::string Joined() const {
    std::size_t size = head.size() + tail.size();
    for (const std::string& line : lines) size += line.size() + lineEnd.size();
    std::string text;
    text.reserve(size);
    text.append(head);
    for (const std::string& line : lines) text.append(line).append(lineEnd);
    text.append(tail);
    return text;
  }
};

class FileWriter {
 public:
  virtual ~FileWriter() = default;
  // A part that cannot be written shows at the commit.
  virtual void Write(std::string_view bytes) = 0;
  // Puts the parts in the file's place; false when it stays as it was.
  virtual bool Commit() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // The whole file when it holds at most `limit` bytes. TooLarge, with no
  // bytes kept, beyond that: reading stops there, also for a source that
  // never ends. Missing when it does not exist or cannot be read.
  virtual FileContent ReadFile(const std::string& path, std::size_t limit) = 0;
  // Replaces the file whole and atomically: the bytes go to a temporary file
  // in the same folder, which is then renamed over the target, so a failed
  // write leaves any earlier file intact. False when nothing was written.
  virtual bool WriteFile(const std::string& path, std::string_view bytes) = 0;
  // WriteFile of the bytes that the returned writer is given one part
  // after another, so that a text of tens of megabytes need not be joined
  // first: a system gathers small parts into chunks of its own. Nothing is
  // replaced before the commit.
  virtual std::unique_ptr<FileWriter> WriteInParts(const std::string& path);
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;
  // Gives the file `from` the name `to`, replacing a file of that name.
  // False when nothing was renamed.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // True when the folder exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
  // Entries of `folder` whose names match the wildcard `pattern` ("*.ini"),
  // letter case ignored, in the order the system yields them. nullopt when the
  // folder cannot be listed.
  virtual std::optional<std::vector<FolderEntry>> ListFolder(const std::string& folder,
                                                             const std::string& pattern) = 0;
  // The key under which the system knows the file `path`, whether or not it
  // exists: two paths with one key name one file. The rules are those of
  // PortablePathKey (text/case_fold.h); Windows answers them itself.
  virtual std::string PathKey(const std::string& path) = 0;
  // At most `limit` bytes of the file from byte `offset` on, as far as it is
  // written now (a file that another program appends to is read while it
  // writes); none past its end. Missing when it cannot be read.
  virtual FileContent ReadFileFrom(const std::string& path, std::uint64_t offset, std::size_t limit) = 0;
  // The size of the file in bytes, nullopt when it is not there.
  virtual std::optional<std::uint64_t> FileSize(const std::string& path) = 0;
};

// A system without a writer of its own joins the parts for WriteFile.
class JoiningFileWriter : public FileWriter {
 public:
  JoiningFileWriter(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  void Write(std::string_view bytes) override { bytes_.append(bytes); }
  bool Commit() override { return files_.WriteFile(path_, bytes_); }

 private:
  FileSystem& files_;
  std::string path_;
  std::string bytes_;
};

inline std::unique_ptr<FileWriter> FileSystem::WriteInParts(const std::string& path) {
  return std::make_unique<JoiningFileWriter>(*this, path);
}

// Filters are "description|pattern|description|pattern...".
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // The chosen path, or "" when cancelled.
  virtual std::string OpenFile(const std::string& title, const std::string& defaultName,
                               const std::string& filter) = 0;
  // The chosen paths in the order the dialog returns them; empty when cancelled.
  virtual std::vector<std::string> OpenFiles(const std::string& title, const std::string& defaultName,
                                             const std::string& filter) = 0;
  // `chosenFilter`, when given, receives the filter entry the user left
  // chosen (1 for the first).
  virtual std::string SaveFile(const std::string& title, const std::string& defaultName, const std::string& filter,
                               int* chosenFilter = nullptr) = 0;
  // The chosen folder (not necessarily ending in a backslash), or "" when cancelled.
  virtual std::string BrowseFolder(const std::string& title, const std::string& startFolder) = 0;
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // A modal countdown of `seconds` under `text`, with Cancel: true when it
  // ran out, false when cancelled.
  virtual bool CountDown(const std::string& caption, const std::string& text, unsigned seconds) = 0;
  // The modal one-line requester: the edited text, or nullopt when cancelled.
  virtual std::optional<std::string> EditLine(const std::string& title, const std::string& prompt,
                                              const std::string& text) = 0;
};

enum class PowerAction { Sleep, Hibernate, ShutDown };

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts `commandLine` in `workingFolder` with a console of its own, at the
  // idle priority class (which every process that it starts inherits), with
  // the environment variable `variable` set to `value`, no inherited handles,
  // inside a job of its own: every process that it starts, and theirs,
  // belongs to the job. Does not wait. The job's key for the calls below, or
  // nullopt when nothing was started.
  virtual std::optional<std::uint32_t> Start(const std::string& commandLine, const std::string& workingFolder,
                                             const std::string& variable, const std::string& value) = 0;
  // Whether a process of the job still runs.
  virtual bool Running(std::uint32_t job) = 0;
  // Ends every process of the job at once.
  virtual void End(std::uint32_t job) = 0;
  // Suspends every thread of the job's processes, or resumes them.
  virtual void Pause(std::uint32_t job, bool paused) = 0;
  // Forgets the job; the processes still in it run on, unwatched.
  virtual void Release(std::uint32_t job) = 0;
  // Milliseconds on a clock that only moves forward.
  virtual std::int64_t NowMs() = 0;
  // Puts the computer to sleep, into hibernation, or shuts it down (its
  // programs are asked to end, not forced). False when the system refused.
  virtual bool Power(PowerAction action) = 0;
  // Runs `program` with `arguments`, without a window, and waits at most
  // `timeoutMs` for it to end. What it wrote to its standard output and
  // error, up to kMaxProgramOutput bytes; nullopt when it could not start or
  // did not end in time (it is then ended).
  virtual std::optional<std::string> Run(const std::string& program, const std::vector<std::string>& arguments,
                                         unsigned timeoutMs) = 0;
  // The value of this program's environment variable `name`; "" when unset.
  virtual std::string Environment(const std::string& name) = 0;
};

inline constexpr std::size_t kMaxProgramOutput = 1 << 16;

class Libraries {
 public:
  virtual ~Libraries() = default;
  using Handle = void*;
  // Opens a library by bare name with the system's usual search; nullptr when absent.
  virtual Handle Load(const std::string& name) = 0;
  // Looks up `exportName` and calls it with two 32-bit integers (the
  // platform's standard calling convention). nullopt when the library or the
  // export is missing.
  virtual std::optional<std::int32_t> CallIntInt(Handle library, const char* exportName, std::int32_t a,
                                                 std::int32_t b) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(const std::string& text) = 0;
};

// The machine's 8-bit code pages, in which the command interpreter reads a
// batch (OEM) and an 8-bit program reads its arguments (ANSI). A conversion
// never replaces a character: a text with any character that the code page
// has no exact form for gives nullopt.
class CodePages {
 public:
  virtual ~CodePages() = default;
  virtual std::optional<std::string> ToOem(std::string_view utf8) = 0;
  virtual std::optional<std::string> ToAnsi(std::string_view utf8) = 0;
  // Text in the ANSI code page as UTF-8.
  virtual std::string FromAnsi(std::string_view bytes) = 0;
};

// Everything the core needs from the system, plus two folders, each ending
// in a separator: the folder of the running program file and the folder it
// was started in.
struct Platform {
  FileSystem& files;
  Dialogs& dialogs;
  Processes& processes;
  Libraries& libraries;
  Clipboard& clipboard;
  CodePages& codePages;
  std::string programFolder;
  std::string workingFolder;
};

// The folder of the running program file, ending in a separator.
std::string ProgramFolder();

// The current folder, ending in a separator.
std::string WorkingFolder();

}  // namespace qv::platform
