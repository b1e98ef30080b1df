#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "text/wide_text.h"

namespace qv::platform {
namespace {

// The calculator's export; WINAPI is __stdcall, which matters on 32-bit only.
using IntIntFunction = int(WINAPI*)(int, int);

}  // namespace

Libraries::Handle Win32Libraries::Load(const std::string& name) { return LoadLibraryW(Widen(name).c_str()); }

std::optional<std::int32_t> Win32Libraries::CallIntInt(Handle library, const char* exportName, std::int32_t a,
                                                       std::int32_t b) {
  if (library == nullptr || exportName == nullptr) return std::nullopt;
  const FARPROC address = GetProcAddress(static_cast<HMODULE>(library), exportName);
  if (address == nullptr) return std::nullopt;
  // FARPROC is a generic function pointer; the detour through void* keeps
  // compilers from warning about the differing signature.
  const auto function = reinterpret_cast<IntIntFunction>(reinterpret_cast<void*>(address));
  return static_cast<std::int32_t>(function(a, b));
}

}  // namespace qv::platform
