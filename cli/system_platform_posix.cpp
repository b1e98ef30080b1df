#include <cstdio>

#include "platform/posix/posix_platform.h"
#include "silent_dialogs.h"
#include "system_platform.h"

namespace qv::cli {
namespace {

class PosixSystem : public SystemPlatform {
 public:
  const platform::Platform& Get() const override { return platform_; }

 private:
  platform::PosixFileSystem files_;
  SilentDialogs dialogs_;
  platform::PosixProcesses processes_;
  platform::PosixLibraries libraries_;
  platform::MemoryClipboard clipboard_;
  platform::PosixCodePages codePages_;
  platform::Platform platform_{files_, dialogs_, processes_, libraries_, clipboard_, codePages_,
                               platform::ProgramFolder(), platform::WorkingFolder()};
};

}  // namespace

std::unique_ptr<SystemPlatform> MakeSystemPlatform() { return std::make_unique<PosixSystem>(); }

void UseBinaryStandardOutput() {}

void WriteStandardError(const std::string& text) { std::fputs(text.c_str(), stderr); }

}  // namespace qv::cli
