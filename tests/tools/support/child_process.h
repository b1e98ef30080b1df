#pragma once
// A program started by a test, with its standard input, output and error on
// pipes. Output and errors are collected on threads while the test writes,
// so a chatty child never blocks on a full pipe.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

namespace qv::testing {

class ChildProcess {
 public:
  // Starts `commandLine` in `folder` (the test's current folder when empty);
  // nullptr when it cannot be started.
  static std::unique_ptr<ChildProcess> Start(const std::string& commandLine, const std::string& folder = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Write(std::string_view bytes);
  void CloseInput();
  // Waits until standard output holds at least `count` bytes, or until
  // `timeoutMs` has passed; returns what has arrived.
  std::string OutputOnceAtLeast(std::size_t count, unsigned timeoutMs);
  // The exit code once the program and its pipes have ended; nullopt (and the
  // program is killed) when it runs longer than `timeoutMs`.
  std::optional<int> Wait(unsigned timeoutMs);
  std::string Output();
  std::string Errors();

 private:
  ChildProcess() = default;
  void Collect(void* pipe, std::string& into);

  void* process_ = nullptr;
  void* input_ = nullptr;
  std::mutex mutex_;
  std::condition_variable arrived_;
  std::string output_;
  std::string errors_;
  std::thread outputReader_;
  std::thread errorReader_;
};

struct ProgramRun {
  int exitCode;
  std::string output;
  std::string errors;
};

// Runs `commandLine` to its end with `input` on its standard input. nullopt
// when it cannot be started or runs longer than `timeoutMs`.
std::optional<ProgramRun> RunProgram(const std::string& commandLine, std::string_view input = {},
                                     const std::string& folder = {}, unsigned timeoutMs = 60000);

}  // namespace qv::testing
