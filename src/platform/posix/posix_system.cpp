#include <sys/resource.h>

#include <chrono>
#include <thread>

#include "platform/posix/posix_platform.h"

namespace qv::platform {

std::optional<std::uint32_t> PosixProcesses::Start(const std::string&, const std::string&) {
  return std::nullopt;
}

void PosixProcesses::Sleep(unsigned milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool PosixProcesses::SetIdlePriorityClass(std::uint32_t processId) {
  constexpr int kLowestPriority = 19;
  // Process id 0 would name this program itself.
  if (processId == 0) return false;
  return setpriority(PRIO_PROCESS, static_cast<id_t>(processId), kLowestPriority) == 0;
}

Libraries::Handle PosixLibraries::Load(const std::string&) { return nullptr; }

std::optional<std::int32_t> PosixLibraries::CallIntInt(Handle, const char*, std::int32_t, std::int32_t) {
  return std::nullopt;
}

}  // namespace qv::platform
