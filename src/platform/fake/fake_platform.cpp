#include "platform/fake/fake_platform.h"

#include <algorithm>
#include <cctype>

#include "text/case_fold.h"
#include "text/wide_text.h"
#include "text/wildcard_match.h"

namespace qv::platform {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

std::string FakeFileSystem::Key(const std::string& path) {
  std::string key;
  key.reserve(path.size());
  for (char c : path) key.push_back(c == '/' ? '\\' : Lower(c));
  while (key.size() > 1 && key.back() == '\\') key.pop_back();
  return key;
}

std::string FakeFileSystem::Parent(const std::string& key) {
  const std::size_t slash = key.find_last_of('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}

FileContent FakeFileSystem::ReadFile(const std::string& path, std::size_t limit) {
  const auto found = files_.find(Key(path));
  if (found == files_.end() || unreadable_.count(Key(path))) return {};
  if (found->second.bytes.size() > limit) return {ReadStatus::TooLarge, {}};
  return {ReadStatus::Read, found->second.bytes};
}

bool FakeFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  const std::string key = Key(path);
  const std::string parent = Parent(key);
  if (readOnly_.count(key) || unwritableFolders_.count(parent)) return false;
  if (!parent.empty() && !folders_.count(parent)) return false;
  if (folders_.count(key)) return false;
  ++writeCount;
  auto found = files_.find(key);
  if (found == files_.end()) {
    files_.emplace(key, File{path, std::string(bytes), nextOrder_++});
  } else {
    found->second.bytes.assign(bytes);
  }
  return true;
}

std::string FakeFileSystem::PathKey(const std::string& path) { return PortablePathKey(path, "C:\\W\\"); }

FileContent FakeFileSystem::ReadFileFrom(const std::string& path, std::uint64_t offset, std::size_t limit) {
  FileContent content = ReadFile(path, std::string::npos);
  content.bytes = content.bytes.substr(std::min<std::uint64_t>(offset, content.bytes.size()), limit);
  return content;
}

std::optional<std::uint64_t> FakeFileSystem::FileSize(const std::string& path) {
  const auto found = files_.find(Key(path));
  if (found == files_.end()) return std::nullopt;
  return found->second.bytes.size();
}

bool FakeFileSystem::FileExists(const std::string& path) { return files_.count(Key(path)) != 0; }

bool FakeFileSystem::DeleteFile(const std::string& path) {
  const std::string key = Key(path);
  if (readOnly_.count(key)) return false;
  return files_.erase(key) != 0;
}

bool FakeFileSystem::RenameFile(const std::string& from, const std::string& to) {
  const auto found = files_.find(Key(from));
  if (found == files_.end() || readOnly_.count(Key(from))) return false;
  File file = std::move(found->second);
  files_.erase(found);
  file.path = to;
  files_[Key(to)] = std::move(file);
  return true;
}

bool FakeFileSystem::CreateFolder(const std::string& path) {
  const std::string key = Key(path);
  if (files_.count(key)) return false;
  if (folders_.count(key)) return true;
  const std::string parent = Parent(key);
  // A drive root ("c:") needs no parent.
  if (!parent.empty() && !folders_.count(parent) && parent.find('\\') != std::string::npos) return false;
  folders_.emplace(key, path);
  return true;
}

std::optional<std::vector<FolderEntry>> FakeFileSystem::ListFolder(const std::string& folder,
                                                                   const std::string& pattern) {
  const std::string key = Key(folder);
  if (!folders_.count(key)) return std::nullopt;
  // Files in creation order, then folders, like an unsorted directory listing.
  std::vector<const File*> files;
  for (const auto& [fileKey, file] : files_) {
    if (Parent(fileKey) == key) files.push_back(&file);
  }
  std::sort(files.begin(), files.end(), [](const File* a, const File* b) { return a->order < b->order; });
  std::vector<FolderEntry> entries;
  auto name = [](const std::string& path) {
    std::string trimmed = path;
    while (!trimmed.empty() && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    const std::size_t slash = trimmed.find_last_of("\\/");
    return slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
  };
  for (const File* file : files) {
    const std::string fileName = name(file->path);
    if (WildcardMatch(pattern, fileName)) entries.push_back({fileName, false});
  }
  for (const auto& [folderKey, path] : folders_) {
    if (Parent(folderKey) != key) continue;
    const std::string folderName = name(path);
    if (WildcardMatch(pattern, folderName)) entries.push_back({folderName, true});
  }
  if (entries.empty()) return std::nullopt;  // as the system: no match fails the listing
  return entries;
}

void FakeFileSystem::AddFile(const std::string& path, std::string bytes) {
  std::string key = Key(path);
  std::vector<std::string> missing;
  for (std::string parent = Parent(key); !parent.empty() && !folders_.count(parent); parent = Parent(parent)) {
    missing.push_back(parent);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) folders_.emplace(*it, *it);
  files_[key] = File{path, std::move(bytes), nextOrder_++};
}

bool FakeFileSystem::FolderExists(const std::string& path) { return folders_.count(Key(path)) != 0; }

std::vector<std::string> FakeFileSystem::Files() const {
  std::vector<const File*> files;
  for (const auto& entry : files_) files.push_back(&entry.second);
  std::sort(files.begin(), files.end(), [](const File* a, const File* b) { return a->order < b->order; });
  std::vector<std::string> paths;
  for (const File* file : files) paths.push_back(file->path);
  return paths;
}

std::vector<std::string> FakeFileSystem::Folders() const {
  std::vector<std::string> paths;
  for (const auto& [key, path] : folders_) paths.push_back(path);
  return paths;
}

namespace {
template <typename T>
T Next(std::deque<T>& queue, T cancelled) {
  if (queue.empty()) return cancelled;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}
}  // namespace

std::string FakeDialogs::OpenFile(const std::string& title, const std::string& defaultName,
                                  const std::string& filter) {
  calls.push_back({"open", title, defaultName, filter});
  return Next(paths, std::string());
}

std::vector<std::string> FakeDialogs::OpenFiles(const std::string& title, const std::string& defaultName,
                                                const std::string& filter) {
  calls.push_back({"openMany", title, defaultName, filter});
  return Next(pathLists, std::vector<std::string>());
}

std::string FakeDialogs::SaveFile(const std::string& title, const std::string& defaultName,
                                  const std::string& filter, int* chosenFilter) {
  calls.push_back({"save", title, defaultName, filter});
  if (chosenFilter) *chosenFilter = Next(filters, 1);
  return Next(paths, std::string());
}

std::string FakeDialogs::BrowseFolder(const std::string& title, const std::string& startFolder) {
  calls.push_back({"folder", title, startFolder, ""});
  return Next(paths, std::string());
}

bool FakeDialogs::AskYesNo(const std::string& caption, const std::string& text) {
  calls.push_back({"yesno", caption, text, ""});
  return Next(answers, false);
}

void FakeDialogs::ShowMessage(const std::string& caption, const std::string& text) {
  calls.push_back({"message", caption, text, ""});
}

bool FakeDialogs::CountDown(const std::string& caption, const std::string& text, unsigned seconds) {
  calls.push_back({"countdown", caption, text, std::to_string(seconds) + " s"});
  return Next(answers, false);
}

std::optional<std::string> FakeDialogs::EditLine(const std::string& title, const std::string& prompt,
                                                 const std::string& text) {
  calls.push_back({"edit", title, text, prompt});
  return Next(edits, std::optional<std::string>());
}

std::optional<std::uint32_t> FakeProcesses::Start(const std::string& commandLine, const std::string& workingFolder,
                                                  const std::string& variable, const std::string& value) {
  log.push_back("start " + commandLine + " in " + workingFolder + " with " + variable + "=" + value);
  if (startFails) return std::nullopt;
  running.insert(nextId);
  return nextId++;
}

void FakeProcesses::End(std::uint32_t job) {
  log.push_back("end " + std::to_string(job));
  running.erase(job);
}

void FakeProcesses::Pause(std::uint32_t job, bool paused) {
  log.push_back((paused ? "pause " : "resume ") + std::to_string(job));
}

void FakeProcesses::Release(std::uint32_t job) { log.push_back("release " + std::to_string(job)); }

bool FakeProcesses::Power(PowerAction action) {
  log.push_back("power " + std::to_string(static_cast<int>(action)));
  return true;
}

std::optional<std::string> FakeProcesses::Run(const std::string& program, const std::vector<std::string>& arguments,
                                              unsigned timeoutMs) {
  std::string call = "run " + program;
  for (const std::string& argument : arguments) call += " " + argument;
  log.push_back(call + " (" + std::to_string(timeoutMs) + " ms)");
  const auto found = outputs.find(program);
  if (found == outputs.end()) return std::nullopt;
  return found->second;
}

std::string FakeProcesses::Environment(const std::string& name) {
  const auto found = environment.find(name);
  return found == environment.end() ? std::string() : found->second;
}

Libraries::Handle FakeLibraries::Load(const std::string& name) {
  loaded.push_back(name);
  auto found = present.find(name);
  return found == present.end() ? nullptr : const_cast<std::string*>(&*found);
}

std::optional<std::int32_t> FakeLibraries::CallIntInt(Handle library, const char* exportName, std::int32_t a,
                                                      std::int32_t b) {
  if (!library) return std::nullopt;
  const auto found = results.find(exportName);
  if (found == results.end()) return std::nullopt;
  calls.emplace_back(a, b);
  return found->second;
}

std::optional<std::string> FakeCodePages::ToLatin1(std::string_view utf8) {
  std::string latin1;
  for (const wchar_t c : Widen(utf8)) {
    if (static_cast<unsigned>(c) > 0xFF) return std::nullopt;
    latin1 += static_cast<char>(c);
  }
  return latin1;
}

std::string FakeCodePages::FromAnsi(std::string_view bytes) {
  std::wstring wide;
  for (const char c : bytes) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return Narrow(wide);
}

}  // namespace qv::platform
