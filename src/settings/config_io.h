#pragma once
// Moving the settings between the form and config files.

#include <cstddef>
#include <string>
#include <vector>

#include "form/form.h"
#include "platform/platform.h"

namespace qv {

// A form whose settings hold their initial values, those that "Load
// Default" gives (the built-in value, or for a setting that the built-in
// text lacks its value if missing), with no event queued and no rule
// applied. The control table holds no setting's value, so every form that
// stands for the window starts here.
Form InitialForm();

// The settings of the form in the write format.
std::string ConfigText(const Form& form);

// Writes ConfigText to `path` (replaced atomically). False when the file
// could not be written; the form is never changed.
bool SaveConfig(const Form& form, platform::FileSystem& files, const std::string& path);

// Real configs are a few hundred bytes; a file beyond this is no config.
inline constexpr std::size_t kConfigSizeLimit = 1 << 20;

// A config file as read for loading, as UTF-8 text: a file that is no
// UTF-8 is an older one, written in the ANSI code page; in a file marked as
// UTF-8 by a byte-order mark, only the bytes that are no UTF-8 are read in
// that code page. Refused (with the reason, to follow the path in a
// message) when it is larger than the limit or is no 8-bit text: NUL bytes,
// or UTF-16.
enum class ConfigStatus { Read, Missing, Refused };

// A key that a load did not take as the file has it: missing, holding no
// number where the setting takes one, or holding an entry, position or
// number that the setting cannot take. The load keeps its rules; these say
// what they gave.
enum class LoadProblem { Missing, NoNumber, Replaced };
struct LoadNote {
  std::string key;
  LoadProblem problem;
  std::string stored;  // the file's value, when not missing
  std::string loaded;  // what the form holds after the load
};
// One line, for a warning: "kfb = "80" is out of range: "70" loaded".
std::string DescribeLoadNote(const LoadNote& note);
// The notes of one load as one text for a message, a line per problem.
std::string DescribeLoadNotes(const std::vector<LoadNote>& notes);

struct ConfigFile {
  ConfigStatus status;
  std::string bytes;
  std::string reason;
  std::vector<LoadNote> notes;  // after a load
};
ConfigFile ReadConfig(const platform::Platform& platform, const std::string& path);

// Loads `path` into the form with every load rule and limit; a file that is
// missing or refused brings in the built-in defaults instead.
ConfigFile LoadConfig(Form& form, const platform::Platform& platform, const std::string& path);

// Loads settings from bytes already in memory, by the same steps.
std::vector<LoadNote> LoadConfigText(Form& form, std::string_view bytes);

// Writes program folder + "default.ini" from DefaultConfigText, loads it and
// deletes it; when the file cannot be written or read back, loads the
// built-in text from memory.
void LoadBuiltInDefaults(Form& form, const platform::Platform& platform);

// The path of the program folder's state file "quorvelan.ini".
std::string StateFilePath(const platform::Platform& platform);

// True when `name` can name a config file inside the configs folder: a valid
// Windows file name that stays inside that folder.
bool IsValidConfigName(const std::string& name);

// Path of a named config: program folder + "configs\" + name + ".ini".
std::string NamedConfigPath(const platform::Platform& platform, const std::string& name);

enum class SaveOutcome { Saved, Declined, Invalid, Failed };
struct SaveResult {
  SaveOutcome outcome;
  std::string path;  // the file concerned (empty when declined or invalid)
};

// The "S" button: with a valid name asks whether to save the named config,
// naming it, its file and whether that file is replaced; on Yes saves it.
// Whatever the answer refills the config-name list.
SaveResult SaveNamedConfig(Form& form, const platform::Platform& platform);

// The "L" button: loads the named config when its file exists; a missing,
// refused or invalid one changes nothing. Missing for an invalid name.
ConfigFile LoadNamedConfig(Form& form, const platform::Platform& platform);

}  // namespace qv
