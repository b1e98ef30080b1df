#pragma once
// The real system for quorvelan-cli, with dialogs that never ask.

#include <memory>
#include <string>

#include "platform/platform.h"

namespace qv::cli {

class SystemPlatform {
 public:
  virtual ~SystemPlatform() = default;
  virtual const platform::Platform& Get() const = 0;
};

std::unique_ptr<SystemPlatform> MakeSystemPlatform();

// Makes standard output take the batch bytes unchanged (no CR added).
void UseBinaryStandardOutput();

// Writes UTF-8 text to standard error: a console shows every character of
// it, a file or a pipe gets the UTF-8 bytes.
void WriteStandardError(const std::string& text);

}  // namespace qv::cli
