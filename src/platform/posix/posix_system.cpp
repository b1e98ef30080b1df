#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/posix/posix_platform.h"

namespace qv::platform {

std::int64_t PosixProcesses::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::optional<std::string> PosixProcesses::Run(const std::string& program, const std::vector<std::string>& arguments,
                                               unsigned timeoutMs) {
  const std::string host = HostPath(program);
  std::vector<char*> argv{const_cast<char*>(host.c_str())};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int pipeEnds[2];
  if (pipe2(pipeEnds, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 2);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, host.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeEnds[1]);

  std::string output;
  bool ended = false;
  if (spawned == 0) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    // Read until the child closes its end; a child that keeps it open past
    // the deadline is ended.
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
      pollfd readable{pipeEnds[0], POLLIN, 0};
      if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) break;
      char buffer[4096];
      const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
      if (got <= 0) {
        ended = got == 0;
        break;
      }
      if (output.size() < kMaxProgramOutput) output.append(buffer, static_cast<std::size_t>(got));
    }
    // A child that closed its output may still be running.
    int status = 0;
    while (ended && waitpid(child, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() >= deadline) ended = false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!ended) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
    }
  }
  close(pipeEnds[0]);
  if (!ended) return std::nullopt;
  output.resize(std::min(output.size(), kMaxProgramOutput));
  return output;
}

std::string PosixProcesses::Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value != nullptr ? value : "";
}

Libraries::Handle PosixLibraries::Load(const std::string&) { return nullptr; }

std::optional<std::int32_t> PosixLibraries::CallIntInt(Handle, const char*, std::int32_t, std::int32_t) {
  return std::nullopt;
}

}  // namespace qv::platform
