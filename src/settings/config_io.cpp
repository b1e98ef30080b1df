#include "settings/config_io.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "form/rules.h"
#include "settings/config_lists.h"
#include "settings/key_value_file.h"
#include "settings/limits.h"
#include "settings/number_fields.h"
#include "settings/settings_table.h"
#include "text/file_text.h"
#include "text/leading_integer.h"
#include "text/path_parts.h"

namespace qv {
namespace {

// The drivers whose rules a load replaces with its own: the bias slider
// follows the field, not the field the slider.
constexpr ControlId kOwnLoadRule = ControlId::BiasSlider;

// True when a list or a slider has a place for `value`; a check box takes any.
bool FitsControl(const Form& form, ControlId control, int value) {
  const ControlSpec& row = ControlRow(control);
  if (row.kind == ControlKind::TrackBar) return value >= row.lo && value <= row.hi;
  if (row.kind == ControlKind::DropDown) return value >= 0 && value < form.ItemCount(control);
  return true;
}

// Every setting from the file or its value if missing; a list entry or a
// slider position that the control does not have counts as missing, so a
// job always has a mode, an encoder and a muxer. Reading only sets values
// and queues text-changed events, whose handlers each touch their own
// field, so the order of reading makes no difference.
void LoadFromFile(Form& form, const KeyValueFile& file) {
  for (const SettingSpec& row : AllSettings()) {
    if (row.kind == SettingKind::Number) {
      const int ifMissing = LeadingInteger(row.ifMissing);
      const int value = file.ReadNumber(row.key, ifMissing);
      form.SetNumber(row.control, FitsControl(form, row.control, value) ? value : ifMissing);
    } else if (ControlRow(row.control).kind == ControlKind::DropDown) {
      SelectEntryNamed(form, row.control, file.ReadText(row.key, row.ifMissing));
    } else {
      form.SetText(row.control, file.ReadText(row.key, row.ifMissing));
    }
  }
  ApplyBiasSliderRule(form);
  ApplyLoadLimits(form);
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId driver = AllControls()[i].id;
    if (driver != kOwnLoadRule && DrivesRules(driver)) ApplyRulesOf(form, driver);
  }
  // Only exactly 1 enables the audio rate, though any non-zero value checks
  // the "Audio" box.
  form.SetEnabled(ControlId::AudioBitrate, file.ReadNumber(SettingOf(ControlId::Audio).key, 0) == 1);
}

// How the file's value of `row` reached the form, read after every rule and
// limit of the load; nullopt when it came as it is.
std::optional<LoadProblem> ProblemOf(const Form& form, const SettingSpec& row, const std::string& stored) {
  if (row.kind == SettingKind::Number) {
    if (!IsWholeNumber(stored, ValueFormat::Integer)) return LoadProblem::NoNumber;
    if (form.Number(row.control) != LeadingInteger(stored)) return LoadProblem::Replaced;
    return std::nullopt;
  }
  if (row.format != ValueFormat::Integer && row.format != ValueFormat::Fraction) return std::nullopt;
  if (!IsWholeNumber(stored, row.format)) return LoadProblem::NoNumber;
  if (row.onLoad.kind != LimitKind::None && form.Text(row.control) != stored) return LoadProblem::Replaced;
  return std::nullopt;
}

std::vector<LoadNote> NotesOfLoad(const Form& form, const KeyValueFile& file) {
  std::vector<LoadNote> notes;
  for (const SettingSpec& row : AllSettings()) {
    const std::string loaded =
        row.kind == SettingKind::Number ? std::to_string(form.Number(row.control)) : form.Text(row.control);
    if (!file.Has(row.key)) {
      if (!row.mayBeMissing) notes.push_back({row.key, LoadProblem::Missing, {}, loaded});
      continue;
    }
    std::string stored = file.ReadText(row.key, "");
    if (const std::optional<LoadProblem> problem = ProblemOf(form, row, stored)) {
      notes.push_back({row.key, *problem, std::move(stored), loaded});
    }
  }
  return notes;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

Form InitialForm() {
  Form form;
  for (const SettingSpec& row : AllSettings()) {
    const std::string value = row.builtIn != nullptr ? row.builtIn : row.ifMissing;
    const ControlId control = row.control;
    if (row.kind == SettingKind::Number) {
      form.SetNumber(control, LeadingInteger(value));
    } else if (ControlRow(control).kind == ControlKind::DropDown) {
      const std::vector<std::string>& items = form.Items(control);
      form.SetNumber(control, static_cast<int>(std::find(items.begin(), items.end(), value) - items.begin()));
    } else {
      form.SetText(control, value);
    }
  }
  // A fresh form has no event of its own; these are only the echoes of
  // the field texts just set.
  form.ClearEvents();
  return form;
}

std::string ConfigText(const Form& form) {
  KeyValueFile file;
  for (const SettingSpec& row : AllSettings()) {
    if (row.kind == SettingKind::Number) {
      file.WriteNumber(row.key, form.Number(row.control));
    } else {
      file.WriteText(row.key, form.Text(row.control));
    }
  }
  return file.Serialize();
}

bool SaveConfig(const Form& form, platform::FileSystem& files, const std::string& path) {
  return files.WriteFile(path, ConfigText(form));
}

std::string DescribeLoadNote(const LoadNote& note) {
  switch (note.problem) {
    case LoadProblem::Missing:
      return note.key + " is missing: " + Quoted(note.loaded) + " loaded";
    case LoadProblem::NoNumber:
      return note.key + " = " + Quoted(note.stored) + " is not a number: " + Quoted(note.loaded) + " loaded";
    case LoadProblem::Replaced:
      break;
  }
  return note.key + " = " + Quoted(note.stored) + " cannot be taken: " + Quoted(note.loaded) + " loaded";
}

std::string DescribeLoadNotes(const std::vector<LoadNote>& notes) {
  constexpr const char* kHeadings[] = {"Missing, loaded as", "Not a number, loaded as", "Cannot be taken, loaded as"};
  std::string text;
  for (const LoadProblem problem : {LoadProblem::Missing, LoadProblem::NoNumber, LoadProblem::Replaced}) {
    std::string line;
    for (const LoadNote& note : notes) {
      if (note.problem != problem) continue;
      line += line.empty() ? "" : ", ";
      line += note.key + (problem == LoadProblem::Missing ? "" : " " + Quoted(note.stored)) + " -> " +
              Quoted(note.loaded);
    }
    if (!line.empty()) text += (text.empty() ? "" : "\n") + std::string(kHeadings[static_cast<int>(problem)]) + ": " + line;
  }
  return text;
}

std::vector<LoadNote> LoadConfigText(Form& form, std::string_view bytes) {
  const KeyValueFile file = KeyValueFile::Parse(bytes);
  LoadFromFile(form, file);
  return NotesOfLoad(form, file);
}

ConfigFile ReadConfig(const platform::Platform& platform, const std::string& path) {
  platform::FileContent content = platform.files.ReadFile(path, kConfigSizeLimit);
  switch (content.status) {
    case platform::ReadStatus::Missing:
      return {ConfigStatus::Missing, {}, {}, {}};
    case platform::ReadStatus::TooLarge:
      return {ConfigStatus::Refused, {}, "it is larger than 1 MiB", {}};
    case platform::ReadStatus::Read:
      break;
  }
  const std::string_view bytes = content.bytes;
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    return {ConfigStatus::Refused, {}, "it is UTF-16 text", {}};
  }
  if (bytes.find('\0') != std::string_view::npos) return {ConfigStatus::Refused, {}, "it holds NUL bytes", {}};
  return {ConfigStatus::Read, TextAsUtf8(bytes, [&](std::string_view ansi) { return platform.codePages.FromAnsi(ansi); }), {},
          {}};
}

ConfigFile LoadConfig(Form& form, const platform::Platform& platform, const std::string& path) {
  ConfigFile file = ReadConfig(platform, path);
  if (file.status == ConfigStatus::Read) {
    file.notes = LoadConfigText(form, file.bytes);
  } else {
    LoadBuiltInDefaults(form, platform);
  }
  return file;
}

void LoadBuiltInDefaults(Form& form, const platform::Platform& platform) {
  const std::string path = platform.programFolder + "default.ini";
  ConfigFile file{ConfigStatus::Missing, {}, {}, {}};
  if (platform.files.WriteFile(path, DefaultConfigText())) {
    file = ReadConfig(platform, path);
    platform.files.DeleteFile(path);
  }
  // Without the file the same text is loaded straight from memory; going
  // through LoadConfig here would come back to this function without end.
  LoadConfigText(form, file.status == ConfigStatus::Read ? std::string_view(file.bytes) : DefaultConfigText());
}

std::string StateFilePath(const platform::Platform& platform) { return platform.programFolder + "quorvelan.ini"; }

bool IsValidConfigName(const std::string& name) {
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  return !IsDeviceName(name);
}

std::string NamedConfigPath(const platform::Platform& platform, const std::string& name) {
  return platform.programFolder + "configs\\" + name + ".ini";
}

SaveResult SaveNamedConfig(Form& form, const platform::Platform& platform) {
  const std::string name = form.Text(ControlId::ConfigName);
  SaveResult result{SaveOutcome::Declined, ""};
  if (name.empty() || !IsValidConfigName(name)) {
    result.outcome = SaveOutcome::Invalid;
  } else {
    const std::string path = NamedConfigPath(platform, name);
    const std::string question = platform.files.FileExists(path)
                                     ? "Replace the config \"" + name + "\" with the settings on the form?\n" + path
                                     : "Save the settings on the form as the config \"" + name + "\"?\n" + path;
    if (platform.dialogs.AskYesNo("Save", question)) {
      result.path = path;
      result.outcome = SaveConfig(form, platform.files, result.path) ? SaveOutcome::Saved : SaveOutcome::Failed;
    }
  }
  RefreshConfigNames(form, platform);
  return result;
}

ConfigFile LoadNamedConfig(Form& form, const platform::Platform& platform) {
  const std::string name = form.Text(ControlId::ConfigName);
  if (!IsValidConfigName(name)) return {ConfigStatus::Missing, {}, {}, {}};
  ConfigFile file = ReadConfig(platform, NamedConfigPath(platform, name));
  if (file.status == ConfigStatus::Read) file.notes = LoadConfigText(form, file.bytes);
  return file;
}

}  // namespace qv
