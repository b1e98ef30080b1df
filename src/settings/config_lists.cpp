#include "settings/config_lists.h"

#include <optional>
#include <vector>

namespace qv {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Fills `list` with the base names of the files in `folder` with the
// extension `extension`. The system's wildcard also matches short 8.3 names,
// so "x.inix" would pass "*.ini"; the extension is therefore checked again.
void FillFromFolder(Form& form, const platform::Platform& platform, ControlId list, const std::string& folder,
                    std::string_view extension) {
  form.ClearItems(list);
  const std::optional<std::vector<platform::FolderEntry>> entries =
      platform.files.ListFolder(folder, "*." + std::string(extension));
  if (entries) {
    std::vector<std::string> names;
    for (const platform::FolderEntry& entry : *entries) {
      const std::size_t dot = entry.name.rfind('.');
      if (entry.isFolder || dot == std::string::npos) continue;
      if (!EqualsIgnoringCase(std::string_view(entry.name).substr(dot + 1), extension)) continue;
      names.push_back(BaseName(entry.name));
    }
    form.AddItems(list, std::move(names));
  }
  form.Select(list, -1);
}

}  // namespace

void RefreshConfigNames(Form& form, const platform::Platform& platform) {
  FillFromFolder(form, platform, ControlId::ConfigName, platform.programFolder + "configs", "ini");
}

void RefreshConfigLists(Form& form, const platform::Platform& platform) {
  RefreshConfigNames(form, platform);
  FillFromFolder(form, platform, ControlId::IncludeScript, platform.programFolder + "avsinc", "avs");
}

void SelectEntryNamed(Form& form, ControlId list, const std::string& name) {
  if (name.empty()) return;
  for (int i = 0; i < form.ItemCount(list); ++i) {
    if (form.Item(list, i) == name) form.Select(list, i);
  }
}

std::string BaseName(const std::string& fileName) {
  const std::size_t separator = fileName.find_last_of("\\/");
  std::string name = separator == std::string::npos ? fileName : fileName.substr(separator + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

}  // namespace qv
