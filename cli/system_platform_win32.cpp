#include <fcntl.h>
#include <io.h>
#include <windows.h>
#undef DeleteFile

#include <cstdio>

#include "platform/win32/win32_platform.h"
#include "silent_dialogs.h"
#include "system_platform.h"

namespace qv::cli {
namespace {

class Win32System : public SystemPlatform {
 public:
  const platform::Platform& Get() const override { return platform_; }

 private:
  platform::Win32FileSystem files_;
  SilentDialogs dialogs_;
  platform::Win32Processes processes_;
  platform::Win32Libraries libraries_;
  platform::Win32Clipboard clipboard_;
  platform::Win32CodePages codePages_;
  platform::Platform platform_{files_, dialogs_, processes_, libraries_, clipboard_, codePages_,
                               platform::ProgramFolder(), platform::WorkingFolder()};
};

}  // namespace

std::unique_ptr<SystemPlatform> MakeSystemPlatform() { return std::make_unique<Win32System>(); }

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

void WriteStandardError(const std::string& text) { platform::WriteStandardText(text, true); }

}  // namespace qv::cli
