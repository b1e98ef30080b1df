// Test fixture, never shipped: stands in for the encoders and muxers that a
// batch calls (x264.exe, bepipe.exe, enc_aacplus.exe, neroaacenc.exe,
// neroaacenc_sse2.exe, mp4box.exe, mp4creator.exe, mkvmerge.exe). The test
// copies this one program under each name; it acts by the name it runs as.
//
// Every run appends one line to steps.log in the current folder (the
// program folder, where the batch runs): its name, its own priority class
// and that of the process that started it (own/parent), its exit code and
// its arguments, separated by tabs. It then does just enough
// of the real tool's work for the next steps to see: x264 writes stats and
// an output file of a chosen size, bepipe and the AAC encoders pass a text
// through their pipe into the audio file, the muxers check their inputs and
// change or write the output.
//
// Test scripts steer it with lines "#standin key=value":
//   crf-mb=N     size in MB of the output of a CRF first pass
//   mux=fail     the muxers refuse this job's output
// x264 copies the script's lines into the head of its output file, so the
// muxers read them from there.

#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string ReadHead(const std::string& path, DWORD limit, bool* exists = nullptr) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (exists) *exists = file != INVALID_HANDLE_VALUE;
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(limit, '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), limit, &got, nullptr);
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WriteFileOfSize(const std::string& path, const std::string& head, double megabytes) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, head.data(), static_cast<DWORD>(head.size()), &written, nullptr);
  LARGE_INTEGER size;
  size.QuadPart = static_cast<LONGLONG>(megabytes * 1048576.0);
  if (ok && size.QuadPart > static_cast<LONGLONG>(head.size())) {
    ok = SetFilePointerEx(file, size, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  }
  CloseHandle(file);
  return ok;
}

bool AppendText(const std::string& path, const std::string& text) {
  const HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
  return ok;
}

std::string Directive(const std::string& text, const std::string& key) {
  const std::string marker = "#standin " + key + "=";
  const auto at = text.find(marker);
  if (at == std::string::npos) return {};
  const auto end = text.find_first_of("\r\n", at);
  return text.substr(at + marker.size(), end == std::string::npos ? std::string::npos : end - at - marker.size());
}

// The script, and for a wrapper script also the source it names in fs="...".
std::string ScriptText(const std::string& path, bool* exists) {
  std::string text = ReadHead(path, 65536, exists);
  const auto fs = text.find("fs=\"");
  if (fs != std::string::npos) {
    const auto end = text.find('"', fs + 4);
    text += ReadHead(text.substr(fs + 4, end - fs - 4), 65536);
  }
  return text;
}

std::string ArgAfter(const std::vector<std::string>& args, const std::string& name) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == name) return args[i + 1];
  }
  return {};
}

std::string ReadAllInput() {
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &got, nullptr) && got > 0) {
    bytes.append(buffer, got);
  }
  return bytes;
}

int X264(const std::vector<std::string>& args) {
  const std::string input = args.empty() ? std::string() : args.back();
  const std::string output = ArgAfter(args, "-o");
  const std::string stats = ArgAfter(args, "--stats");
  const std::string pass = ArgAfter(args, "-p");
  bool found = false;
  const std::string script = ScriptText(input, &found);
  if (!found) {
    std::fprintf(stderr, "x264 [error]: could not open input file `%s'\n", input.c_str());
    return 1;
  }
  if ((pass == "2" || pass == "3") && !Exists(stats)) {
    std::fprintf(stderr, "x264 [error]: ratecontrol_init: can't open stats file\n");
    return 1;
  }
  if (pass == "1" && !WriteFileOfSize(stats, "#options: standin\n", 0)) return 1;
  for (int frame = 1; frame <= 3; ++frame) {
    std::fprintf(stderr, "[%.1f%%] %d/3 frames, 24.00 fps\r", frame * 100.0 / 3, frame);
    std::fflush(stderr);
  }
  std::printf("encoded 3 frames of %s\n", input.c_str());
  if (output.empty() || output == "nul") return 0;
  const bool crfFirstPass = pass == "1" && !ArgAfter(args, "--crf").empty();
  const std::string crfMegabytes = Directive(script, "crf-mb");
  const double megabytes = crfFirstPass && !crfMegabytes.empty() ? std::atof(crfMegabytes.c_str()) : 0.25;
  return WriteFileOfSize(output, "standin video\r\n" + script, megabytes) ? 0 : 1;
}

int Bepipe(const std::vector<std::string>& args) {
  const std::string script = ArgAfter(args, "--script");
  if (script.size() < 10 || script.compare(0, 8, "import(^") != 0 || script.compare(script.size() - 2, 2, "^)") != 0) {
    std::fprintf(stderr, "bepipe: no script import\n");
    return 1;
  }
  const std::string path = script.substr(8, script.size() - 10);
  bool found = false;
  ScriptText(path, &found);
  if (!found) {
    std::fprintf(stderr, "bepipe: cannot open %s\n", path.c_str());
    return 1;
  }
  std::printf("standin audio of %s\r\n", path.c_str());
  return 0;
}

int AacEncoder(const std::string& audioFile) {
  const std::string audio = ReadAllInput();
  if (audio.compare(0, 16, "standin audio of") != 0) {
    std::fprintf(stderr, "aac: no audio on standard input\n");
    return 1;
  }
  return WriteFileOfSize(audioFile, audio, 0) ? 0 : 1;
}

bool MuxRefused(const std::string& audio, const std::string& video) {
  bool videoFound = false;
  const std::string head = ReadHead(video, 65536, &videoFound);
  return !videoFound || !Exists(audio) || Directive(head, "mux") == "fail";
}

int AddTrack(const std::string& audio, const std::string& video) {
  if (MuxRefused(audio, video)) return 1;
  return AppendText(video, "muxed " + audio + "\r\n") ? 0 : 1;
}

// mkvmerge -o MERGED VIDEO AUDIO
int Matroska(const std::vector<std::string>& a) {
  if (a.size() != 4 || a[0] != "-o" || MuxRefused(a[3], a[2])) return 2;
  return WriteFileOfSize(a[1], "standin matroska\r\n" + ReadHead(a[2], 65536) + ReadHead(a[3], 65536), 0) ? 0 : 2;
}

int Act(const std::string& name, const std::vector<std::string>& args) {
  if (name == "x264") return X264(args);
  if (name == "bepipe") return Bepipe(args);
  if (name == "enc_aacplus") return AacEncoder(args.size() > 1 ? args[1] : std::string());
  if (name == "neroaacenc" || name == "neroaacenc_sse2") return AacEncoder(ArgAfter(args, "-of"));
  if (name == "mp4box") return args.size() == 3 ? AddTrack(args[1], args[2]) : 1;
  if (name == "mp4creator") {
    if (args.size() != 2 || args[0].compare(0, 8, "-create=") != 0) return 1;
    return AddTrack(args[0].substr(8), args[1]);
  }
  if (name == "mkvmerge") return Matroska(args);
  std::fprintf(stderr, "standin: no part to play as %s\n", name.c_str());
  return 1;
}

std::string OwnName() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name(path, length);
  name = name.substr(name.find_last_of("\\/") + 1);
  if (name.size() > 4) name.resize(name.size() - 4);
  CharLowerA(name.data());
  return name;
}

std::string PriorityName(HANDLE process) {
  const DWORD priority = process ? GetPriorityClass(process) : 0;
  return priority == IDLE_PRIORITY_CLASS ? "idle" : priority == NORMAL_PRIORITY_CLASS ? "normal"
                                                  : priority == 0 ? "unknown" : "other";
}

DWORD ParentId() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  return parent;
}

std::string Priorities() {
  const HANDLE parent = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, ParentId());
  const std::string text = PriorityName(GetCurrentProcess()) + "/" + PriorityName(parent);
  if (parent) CloseHandle(parent);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string name = OwnName();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int exitCode = Act(name, args);
  std::string line = name + "\t" + Priorities() + "\t" + std::to_string(exitCode);
  for (const auto& arg : args) line += "\t" + arg;
  AppendText("steps.log", line + "\r\n");
  return exitCode;
}
