#pragma once
// The arithmetic of the bitrate calculator: which video bitrate fills a
// target size over a duration, next to a given audio bitrate.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::tools {

// "h:mm:ss", "m:ss" or plain seconds; minutes and seconds behind a colon lie
// within 0..59. Blanks around the text are ignored. nullopt when malformed,
// zero, or longer than 9999 hours.
std::optional<std::uint32_t> ParseDuration(std::string_view text);

// "1:05:09" for 3909 seconds; hours are not limited to two digits.
std::string FormatDuration(std::uint32_t seconds);

// A target size in megabytes of 1,048,576 bytes ("700", "4482.5"); blanks
// around it ignored. nullopt when malformed, zero or above 10,000,000.
std::optional<double> ParseTargetSize(std::string_view text);

// The video bitrate in kbit/s (1 kbit = 1000 bits):
//   floor(size * 8 * 1048576 / 1000 / seconds) - audioKbps,
// clamped to 0..INT32_MAX. A negative audio bitrate counts as 0; zero
// seconds give 0.
std::int32_t VideoBitrateKbps(double sizeMegabytes, std::uint32_t seconds, std::int32_t audioKbps);

}  // namespace qv::tools
