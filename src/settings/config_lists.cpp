#include "settings/config_lists.h"

#include <optional>
#include <vector>

#include "text/wildcard_match.h"

namespace qv {
namespace {

// Fills `list` with the base names of the files in `folder` with the
// extension `extension`. The system's wildcard also matches short 8.3 names,
// so "x.inix" would pass "*.ini"; the long name is therefore matched again.
void FillFromFolder(Form& form, const platform::Platform& platform, ControlId list, const std::string& folder,
                    std::string_view extension) {
  form.ClearItems(list);
  const std::string pattern = "*." + std::string(extension);
  const std::optional<std::vector<platform::FolderEntry>> entries = platform.files.ListFolder(folder, pattern);
  if (entries) {
    std::vector<std::string> names;
    for (const platform::FolderEntry& entry : *entries) {
      if (!entry.isFolder && WildcardMatch(pattern, entry.name)) names.push_back(BaseName(entry.name));
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
  const std::string chosen = form.Text(ControlId::IncludeScript);
  FillFromFolder(form, platform, ControlId::IncludeScript, platform.programFolder + "avsinc", "avs");
  // Every wrapper imports the chosen script: one stays chosen while there is any.
  SelectEntryNamed(form, ControlId::IncludeScript, chosen);
  if (form.Selection(ControlId::IncludeScript) < 0 && form.ItemCount(ControlId::IncludeScript) > 0) {
    form.Select(ControlId::IncludeScript, 0);
  }
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
