#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cerrno>
#include <ctime>
#include <mutex>
#include <set>
#include <string>

#include "platform/posix/posix_platform.h"
#include "text/case_fold.h"
#include "text/path_parts.h"
#include "text/wildcard_match.h"

namespace qv::platform {
namespace {

bool IsFolder(const std::string& hostPath) {
  struct stat info {};
  return stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// An existing folder, or a file that is marked read-only (no write bit at
// all, like the Windows attribute, which binds even an administrator) or that
// this user may not write.
bool MayNotReplace(const std::string& hostPath) {
  struct stat info {};
  if (stat(hostPath.c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) || (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
         access(hostPath.c_str(), W_OK) != 0;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

constexpr const char* kTemporaryPrefix = ".qv";

// A write killed midway leaves its temporary behind. One a day old belongs to
// no write still going on, and goes at the process's first write in its folder.
void RemoveStrayTemporaries(const std::string& folder) {
  static std::mutex guard;
  static std::set<std::string> looked;
  {
    const std::lock_guard<std::mutex> lock(guard);
    if (!looked.insert(folder).second) return;
  }
  DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return;
  const std::time_t dayAgo = std::time(nullptr) - 24 * 60 * 60;
  while (const dirent* entry = readdir(listing)) {
    if (!IsWriteTemporaryName(entry->d_name, kTemporaryPrefix)) continue;
    const std::string path = folder + entry->d_name;
    struct stat info {};
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_mtime < dayAgo) unlink(path.c_str());
  }
  closedir(listing);
}

// A fresh short name beside `target` for the bytes to go to before the
// rename. O_EXCL makes a clash with another writer fail instead of sharing
// the file.
int CreateTemporaryBeside(const std::string& target, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  static const std::string process = std::to_string(getpid());
  const std::size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  RemoveStrayTemporaries(folder);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = folder + kTemporaryPrefix + process + "-" + std::to_string(counter++) + ".tmp";
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Renames `temporary` over `target` unless the target may not be replaced.
// Where the system can rename without replacing, a new file (most of them)
// costs no look at the target beforehand.
bool RenameOver(const std::string& temporary, const std::string& target) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EEXIST && errno != EINVAL && errno != ENOSYS) return false;
#endif
  return !MayNotReplace(target) && rename(temporary.c_str(), target.c_str()) == 0;
}

// The parts go to a temporary file beside the target, which replaces the
// target at the commit; a writer that goes without one removes it.
class TemporaryFileWriter : public FileWriter {
 public:
  explicit TemporaryFileWriter(std::string host) : host_(std::move(host)), fd_(CreateTemporaryBeside(host_, temporary_)) {
    // A name that could not be created may be another writer's.
    if (fd_ < 0) temporary_.clear();
  }
  ~TemporaryFileWriter() override {
    if (fd_ >= 0) close(fd_);
    if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
  }

  // Small parts are gathered into chunks that one write takes well; a part
  // of that size or more goes on its own.
  void Write(std::string_view bytes) override {
    if (buffer_.size() + bytes.size() > kChunk) Flush();
    if (bytes.size() >= kChunk) {
      Put(bytes);
    } else {
      buffer_.append(bytes);
    }
  }

  bool Commit() override {
    Flush();
    if (!ok_ || fd_ < 0) return false;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    committed_ = closed && RenameOver(temporary_, host_);
    return committed_;
  }

 private:
  void Put(std::string_view bytes) { ok_ = ok_ && fd_ >= 0 && WriteAll(fd_, bytes); }
  void Flush() {
    Put(buffer_);
    buffer_.clear();
  }

  static constexpr std::size_t kChunk = 1 << 18;
  std::string host_;
  std::string temporary_;
  std::string buffer_;
  int fd_;
  bool ok_ = true;
  bool committed_ = false;
};

}  // namespace

std::string HostPath(const std::string& path) {
  std::string host = path;
  for (char& c : host) {
    if (c == '\\') c = '/';
  }
  return host;
}

FileContent PosixFileSystem::ReadFile(const std::string& path, std::size_t limit) {
  FileContent content;
  const std::string host = HostPath(path);
  const int fd = open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return content;
  struct stat info {};
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    return content;
  }
  content.status = ReadStatus::Read;
  char buffer[65536];
  for (;;) {
    const ssize_t got = read(fd, buffer, sizeof(buffer));
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      content = {};
      break;
    }
    if (content.bytes.size() + static_cast<std::size_t>(got) > limit) {
      content = {ReadStatus::TooLarge, {}};
      break;
    }
    content.bytes.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return content;
}

bool PosixFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  const std::unique_ptr<FileWriter> file = WriteInParts(path);
  file->Write(bytes);
  return file->Commit();
}

std::unique_ptr<FileWriter> PosixFileSystem::WriteInParts(const std::string& path) {
  return std::make_unique<TemporaryFileWriter>(HostPath(path));
}

bool PosixFileSystem::FileExists(const std::string& path) {
  const std::string host = HostPath(path);
  struct stat info {};
  return stat(host.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

FileContent PosixFileSystem::ReadFileFrom(const std::string& path, std::uint64_t offset, std::size_t limit) {
  FileContent content;
  const int fd = open(HostPath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return content;
  content.bytes.resize(limit);
  const ssize_t got = pread(fd, content.bytes.data(), limit, static_cast<off_t>(offset));
  close(fd);
  content.bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  content.status = got < 0 ? ReadStatus::Missing : ReadStatus::Read;
  return content;
}

std::optional<std::uint64_t> PosixFileSystem::FileSize(const std::string& path) {
  struct stat info {};
  if (stat(HostPath(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<std::uint64_t>(info.st_size);
}

bool PosixFileSystem::FolderExists(const std::string& path) { return IsFolder(HostPath(path)); }

bool PosixFileSystem::DeleteFile(const std::string& path) {
  const std::string host = HostPath(path);
  return !IsFolder(host) && unlink(host.c_str()) == 0;
}

bool PosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
  return rename(HostPath(from).c_str(), HostPath(to).c_str()) == 0;
}

bool PosixFileSystem::CreateFolder(const std::string& path) {
  const std::string host = HostPath(path);
  if (mkdir(host.c_str(), 0777) == 0) return true;
  return errno == EEXIST && IsFolder(host);
}

std::optional<std::vector<FolderEntry>> PosixFileSystem::ListFolder(const std::string& folder,
                                                                    const std::string& pattern) {
  std::string host = HostPath(folder);
  DIR* dir = opendir(host.empty() ? "." : host.c_str());
  if (!dir) return std::nullopt;
  if (!host.empty() && host.back() != '/') host.push_back('/');
  std::vector<FolderEntry> entries;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == ".." || !WildcardMatch(pattern, name)) continue;
    bool isFolder = entry->d_type == DT_DIR;
    // Some file systems do not fill in the type; links are judged by their target.
    if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) isFolder = IsFolder(host + name);
    entries.push_back({name, isFolder});
  }
  closedir(dir);
  if (entries.empty()) return std::nullopt;
  return entries;
}

// The batches are for Windows: their paths are compared as Windows compares
// them. The program never changes its folder: it is looked up once.
std::string PosixFileSystem::PathKey(const std::string& path) {
  if (currentFolder_.empty()) currentFolder_ = WorkingFolder();
  return PortablePathKey(path, currentFolder_);
}

}  // namespace qv::platform
