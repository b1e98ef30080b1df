#pragma once
// Dialogs for a program that nobody watches: every question is answered as
// if the user had cancelled it, so no operation waits for an answer.

#include "platform/platform.h"

namespace qv::cli {

class SilentDialogs : public platform::Dialogs {
 public:
  std::string OpenFile(const std::string&, const std::string&, const std::string&) override { return {}; }
  std::vector<std::string> OpenFiles(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::string SaveFile(const std::string&, const std::string&, const std::string&, int*) override { return {}; }
  std::string BrowseFolder(const std::string&, const std::string&) override { return {}; }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  void ShowMessage(const std::string&, const std::string&) override {}
  std::optional<std::string> EditLine(const std::string&, const std::string&, const std::string&) override {
    return std::nullopt;
  }
  bool CountDown(const std::string&, const std::string&, unsigned) override { return false; }
};

}  // namespace qv::cli
