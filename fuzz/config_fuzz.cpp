// Any bytes as a config file: parsing, reading every key and loading them
// (through the reader's size limit and text checks) into a fresh form must
// neither fault nor hang, and what a load leaves on the form must save and
// load again unchanged.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "form/form.h"
#include "platform/fake/fake_platform.h"
#include "settings/config_io.h"
#include "settings/key_value_file.h"
#include "settings/settings_table.h"

namespace {

std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

void CheckReads(const qv::KeyValueFile& file, std::string_view bytes) {
  const std::string serialized = file.Serialize();
  const qv::KeyValueFile reparsed = qv::KeyValueFile::Parse(serialized);
  // A written first key that begins with the bytes of a byte-order mark
  // reads back as a mark, so that one file cannot round-trip.
  const bool startsLikeUtf8 = serialized.compare(0, 3, "\xEF\xBB\xBF") == 0;
  for (const qv::SettingSpec& row : qv::AllSettings()) {
    const std::string key = row.key;
    // No value can hold a line break, so this fallback tells "missing" apart.
    const std::string text = file.ReadText(key, "\n");
    if (file.ReadNumber(key, -7) != file.ReadNumber(Upper(key), -7)) __builtin_trap();
    if (file.Has(key) != (text != "\n")) __builtin_trap();
    if (!startsLikeUtf8 && reparsed.ReadText(key, "\n") != text) __builtin_trap();
  }
  file.ReadText("", "");
  file.ReadText(bytes.substr(0, 16), "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReads(qv::KeyValueFile::Parse(bytes), bytes);

  // The way a file comes in: read with the size limit and the text checks.
  qv::platform::FakePlatform fake;
  fake.files.AddFile("C:\\Q\\fuzz.ini", std::string(bytes));
  qv::Form loaded;
  qv::LoadConfig(loaded, fake.platform, "C:\\Q\\fuzz.ini");
  const std::string saved = qv::ConfigText(loaded);
  qv::Form reloaded;
  qv::LoadConfigText(reloaded, saved);
  if (qv::ConfigText(reloaded) != saved) __builtin_trap();
  return 0;
}
