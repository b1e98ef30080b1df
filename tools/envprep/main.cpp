// envprep.exe run: writes envprep.bat into the current folder; a batch calls
// it to put the program folder, its tools subfolder and the folders listed
// in envprep.txt beside this program in front of PATH.

#include <windows.h>

#include <string>

#include "common/console_text.h"
#include "envprep/search_path.h"
#include "platform/platform.h"
#include "platform/win32/code_page_text.h"
#include "platform/win32/system_path.h"
#include "platform/win32/win32_platform.h"
#include "text/batch_text.h"
#include "text/file_text.h"
#include "text/wide_text.h"

namespace {

constexpr unsigned kUtf8CodePage = 65001;

std::string Environment(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  const DWORD length = GetEnvironmentVariableW(name, value.data(), size);
  value.resize(length < size ? length : 0);
  return qv::Narrow(value);
}

// The file's bytes, up to one more than `limit` (so that a longer one shows);
// "" when it does not exist.
std::string ReadUpTo(const std::string& path, std::size_t limit) {
  const HANDLE file = CreateFileW(qv::platform::SystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(limit + 1, '\0');
  std::size_t got = 0;
  for (DWORD part = 0; got < bytes.size(); got += part) {
    if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(bytes.size() - got), &part, nullptr) || part == 0) break;
  }
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

bool WriteWhole(const wchar_t* path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                     written == bytes.size();
  return CloseHandle(file) && whole;
}

// The batch that calls envprep.bat reads it in the console's code page (the
// OEM code page where there is no console). A text that code page cannot
// carry goes in UTF-8 with a switch to code page 65001 and back.
std::string ForConsole(const std::string& text) {
  unsigned codePage = GetConsoleOutputCP();
  if (codePage == 0) codePage = GetOEMCP();
  if (codePage == kUtf8CodePage) return text;
  if (const std::optional<std::string> bytes = qv::platform::ToCodePage(codePage, text)) return *bytes;
  return qv::SwitchedToUtf8(text, std::to_string(codePage));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using namespace qv;
  using namespace qv::tools;
  const std::vector<std::string> args = Utf8Arguments(argc, argv);
  if (args.size() != 1 || lstrcmpiW(argv[1], L"run") != 0) {
    Say("usage: envprep.exe run  (writes envprep.bat, which puts the tool folders in front of PATH)\r\n");
    return 1;
  }
  // An envprep.bat left from an earlier run must not stand in for the one
  // that is not written.
  DeleteFileW(L"envprep.bat");
  const std::string programFolder = qv::platform::ProgramFolder();
  const std::string list = ReadUpTo(programFolder + "envprep.txt", kLongestFolderList);
  if (list.size() > kLongestFolderList) {
    Say("envprep: envprep.txt is larger than 1 MiB; envprep.bat is not written\r\n");
    return 1;
  }
  qv::platform::Win32CodePages codePages;
  const ToolFolders tools = CollectToolFolders(programFolder, qv::TextAsUtf8(list, [&](std::string_view ansi) { return codePages.FromAnsi(ansi); }));
  if (!tools.refusal.empty()) {
    Say("envprep: " + tools.refusal + "; envprep.bat is not written\r\n");
    return 1;
  }
  for (const auto& warning : tools.warnings) Say("envprep: " + warning + "\r\n");
  if (!WriteWhole(L"envprep.bat", ForConsole(EnvprepBatchText(tools.folders, Environment(L"PATH"))))) {
    Say("envprep: cannot write envprep.bat in the current folder\r\n");
    return 1;
  }
  return 0;
}
