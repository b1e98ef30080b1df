// Test fixture, never shipped: stands in for the encoders and muxers that a
// batch calls (x264, bepipe, enc_aacplus, neroaacenc, neroaacenc_sse2,
// mp4box, mp4creator, mkvmerge). The test copies this one program under each
// name; it acts by the name it runs as.
//
// Every run appends one line to steps.log in the current folder (where the
// batch runs): its name, the priority class of the process that started it
// (idle, normal or other), its exit code and its arguments as the system
// gave them (wide characters, logged as UTF-8), separated by tabs; a
// question for x264's version is answered and not logged. It does just
// enough of the real tool's work for the next steps to
// see: x264 reads its script (and the source that a wrapper script names in
// fs="..."), needs the stats of a first pass for -p 2 or 3 and writes them
// on -p 1, prints a progress line and a summary and writes its output; bepipe and the AAC encoders
// pass the script's name through their pipe into the audio file; a muxer
// refuses a missing input, and mkvmerge writes its output. A line
// "#standin mb=N" in the script makes x264's output N MB (else 0.25 MB), and
// "#standin mux=fail" makes the muxers refuse it ("mux=partial": mkvmerge
// fails after writing part of its output, as on a full disk). x264 prints
// the progress of "#standin frames=N" frames (else 3), one line a frame
// every "#standin pace=MS" milliseconds (else one line at once), then its
// summary; "#standin x264=error" ends it with an "[error]" line instead,
// "x264=hang" never ends it.

#include <windows.h>
#include <tlhelp32.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Args = std::vector<std::string>;

// Every path goes to the system in wide characters.
fs::path Path(const std::string& utf8) { return fs::u8path(utf8); }

std::string Read(const std::string& path) {
  std::ifstream in(Path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string After(const Args& args, const std::string& name) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == name) return args[i + 1];
  }
  return {};
}

// The value of a line "#standin KEY=value" in `text`, or "".
std::string Directive(const std::string& text, const std::string& key) {
  const std::string marker = "#standin " + key + "=";
  const auto at = text.find(marker);
  if (at == std::string::npos) return "";
  const auto start = at + marker.size();
  return text.substr(start, text.find_first_of("\r\n", start) - start);
}

int X264(const Args& args) {
  const std::string input = args.empty() ? "" : args.back(), pass = After(args, "-p"), stats = After(args, "--stats");
  std::string script = Read(input);
  const auto source = script.find("fs=\"");
  if (source != std::string::npos) script += Read(script.substr(source + 4, script.find('"', source + 4) - source - 4));
  if (script.empty() || ((pass == "2" || pass == "3") && !fs::exists(Path(stats)))) return 1;
  if (pass == "1") std::ofstream(Path(stats)) << "#options: standin\n";
  const std::string frames = Directive(script, "frames"), pace = Directive(script, "pace"), end = Directive(script, "x264");
  const int total = frames.empty() ? 3 : std::stoi(frames);
  // x264 prints these on standard error; here they go to standard output,
  // flushed line by line, as Wine's command interpreter carries only that
  // into the pipe to teelog.exe.
  for (int frame = pace.empty() ? total : 1; frame <= total; ++frame) {
    std::printf("[%.1f%%] %d/%d frames, 30.00 fps, 120.00 kb/s, eta 0:00:00\n", 100.0 * frame / total, frame, total);
    std::fflush(stdout);
    if (!pace.empty()) Sleep(static_cast<DWORD>(std::stoul(pace)));
  }
  if (end == "error") return std::printf("x264 [error]: standin told to fail\n"), 1;
  if (end == "hang") Sleep(INFINITE);
  std::printf("encoded %d frames, 30.00 fps, 120.00 kb/s\n", total);
  std::printf("encoded 3 frames of %s\n", input.c_str());
  const std::string output = After(args, "-o"), megabytes = Directive(script, "mb");
  if (output == "nul") return 0;
  std::ofstream(Path(output), std::ios::binary) << "standin video\r\n" << script;
  std::error_code error;
  fs::resize_file(Path(output), static_cast<std::uintmax_t>((megabytes.empty() ? 0.25 : std::stod(megabytes)) * 1048576),
                  error);
  return error ? 1 : 0;
}

// A muxer's exit code: `refused` when an input is missing or the video's
// script asked for a refusal.
int Mux(const std::string& audio, const std::string& video, int refused) {
  return !fs::exists(Path(audio)) || !fs::exists(Path(video)) || Directive(Read(video), "mux") == "fail" ? refused
                                                                                                        : 0;
}

int Act(const std::string& name, const Args& args) {
  if (name == "x264") return X264(args);
  if (name == "bepipe") {
    const std::string script = After(args, "--script");
    const std::string path = script.size() > 10 ? script.substr(8, script.size() - 10) : "";
    if (script != "import(^" + path + "^)" || !fs::exists(Path(path))) return 1;
    std::printf("standin audio of %s\r\n", path.c_str());
    return 0;
  }
  if (name == "enc_aacplus" || name == "neroaacenc" || name == "neroaacenc_sse2") {
    const std::string audio(std::istreambuf_iterator<char>(std::cin), {});
    if (audio.rfind("standin audio of", 0) != 0) return 1;
    std::ofstream(Path(name == "enc_aacplus" ? args.at(1) : After(args, "-of")), std::ios::binary) << audio;
    return 0;
  }
  if (name == "mp4box" && args.size() == 3) return Mux(args[1], args[2], 1);
  if (name == "mp4creator" && args.size() == 2) return Mux(args[0].substr(std::string("-create=").size()), args[1], 1);
  if (name == "mkvmerge" && args.size() == 4) {
    const bool partial = Directive(Read(args[2]), "mux") == "partial";
    const int refused = partial ? 2 : Mux(args[3], args[2], 2);
    if (!refused || partial) std::ofstream(Path(args[1]), std::ios::binary) << "standin matroska\r\n";
    return refused;
  }
  return 1;
}

std::string ParentPriority() {
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  DWORD parent = 0;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
  }
  CloseHandle(snapshot);
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, parent);
  const DWORD priority = process ? GetPriorityClass(process) : 0;
  if (process) CloseHandle(process);
  return priority == IDLE_PRIORITY_CLASS ? "idle" : priority == NORMAL_PRIORITY_CLASS ? "normal" : "other";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::string name = fs::path(argv[0]).stem().u8string();
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  Args args;
  for (int i = 1; i < argc; ++i) args.push_back(fs::path(argv[i]).u8string());
  // The program asks x264 for its version before a batch; this one is a
  // 2008 build, whose options the batches of these tests carry, unless
  // QV_STANDIN_X264_VERSION gives another first line.
  if (name == "x264" && args == Args{"--version"}) {
    const char* version = std::getenv("QV_STANDIN_X264_VERSION");
    std::printf("%s\n", version != nullptr ? version : "x264 0.59.803");
    return 0;
  }
  const int exitCode = Act(name, args);
  std::string line = name + "\t" + ParentPriority() + "\t" + std::to_string(exitCode);
  for (const std::string& arg : args) line += "\t" + arg;
  std::ofstream("steps.log", std::ios::binary | std::ios::app) << line << "\n";
  return exitCode;
}
