// teelog.exe LOGFILE: sits at the end of an encoder's pipe, shows its output
// live and keeps a copy in LOGFILE.
//
// Reads and writes go straight through the Win32 handles: ReadFile on a pipe
// returns whatever has arrived, so the encoder's "\r"-terminated progress
// lines reach the console at once instead of waiting for a full buffer, and
// no text-mode translation alters the bytes. The tool never stops reading
// early: a broken console or log must not block or kill the encoder behind
// the pipe.
//
// When the window started the batch, the environment names its run channel
// (jobs/run_channel.h): the tool then also appends what the step does to it
// (its start, the latest progress line a few times a second, its last lines
// and how it ended). Without the variable it does nothing else.

#include <windows.h>

#include <string>

#include "common/console_text.h"
#include "jobs/run_channel.h"
#include "platform/win32/system_path.h"
#include "text/wide_text.h"

namespace {

void SayOnce(const std::string& message) { qv::tools::Say("teelog: " + message + "\r\n"); }

bool WriteAll(HANDLE handle, const char* data, DWORD size) {
  while (size > 0) {
    DWORD written = 0;
    if (!WriteFile(handle, data, size, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

HANDLE OpenLog(const std::string& path) {
  // Others may read the log while the encode runs.
  return CreateFileW(qv::platform::SystemPath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The run channel, or INVALID_HANDLE_VALUE when there is none. Each write
// appends at the end, whoever else has the file open.
HANDLE OpenChannel() {
  wchar_t path[32768];
  const DWORD length = GetEnvironmentVariableW(qv::Widen(qv::kRunChannelVariable).c_str(), path, 32768);
  if (length == 0 || length >= 32768) return INVALID_HANDLE_VALUE;
  return CreateFileW(qv::platform::SystemPath(qv::Narrow(std::wstring_view(path, length))).c_str(), FILE_APPEND_DATA,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

// What the step tells the channel; a failed write only ends the telling.
class Channel {
 public:
  explicit Channel(const std::string& logPath) : handle_(OpenChannel()) {
    Write(qv::RunRecordLine(qv::RunRecordKind::Step, logPath));
  }
  ~Channel() {
    SendProgress();
    Write(output_.Finish());
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  void Add(const char* data, DWORD size) {
    if (handle_ == INVALID_HANDLE_VALUE) return;
    output_.Add(std::string_view(data, size));
    // A few records a second are all the window shows.
    if (GetTickCount64() - lastSent_ >= 250) SendProgress();
  }

 private:
  void SendProgress() {
    const std::string progress = output_.TakeProgress();
    if (progress.empty()) return;
    Write(qv::RunRecordLine(qv::RunRecordKind::Progress, progress));
    lastSent_ = GetTickCount64();
  }
  void Write(const std::string& records) {
    if (handle_ != INVALID_HANDLE_VALUE && !WriteAll(handle_, records.data(), static_cast<DWORD>(records.size()))) {
      CloseHandle(handle_);
      handle_ = INVALID_HANDLE_VALUE;
    }
  }

  HANDLE handle_;
  qv::StepOutput output_;
  ULONGLONG lastSent_ = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::vector<std::string> args = qv::tools::Utf8Arguments(argc, argv);
  int exitCode = 0;
  HANDLE log = INVALID_HANDLE_VALUE;
  if (args.size() != 1) {
    SayOnce("usage: teelog.exe LOGFILE; no log is kept");
    exitCode = 1;
  } else if (args[0].empty()) {
    SayOnce("no log file named; no log is kept");
  } else {
    log = OpenLog(args[0]);
    if (log == INVALID_HANDLE_VALUE) {
      SayOnce("cannot write \"" + args[0] + "\"; no log is kept");
      exitCode = 1;
    }
  }

  Channel channel(args.empty() ? std::string() : args[0]);
  const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  bool outOpen = out != nullptr && out != INVALID_HANDLE_VALUE;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    if (outOpen) outOpen = WriteAll(out, buffer, got);
    channel.Add(buffer, got);
    if (log != INVALID_HANDLE_VALUE && !WriteAll(log, buffer, got)) {
      SayOnce("writing \"" + args[0] + "\" failed; the rest is not logged");
      CloseHandle(log);
      log = INVALID_HANDLE_VALUE;
      exitCode = 1;
    }
  }
  if (log != INVALID_HANDLE_VALUE) CloseHandle(log);
  return exitCode;
}
