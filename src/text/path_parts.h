#pragma once
// Parts of a path text; "\" and "/" both separate.

#include <string>
#include <string_view>

namespace qv {

// Up to and including the last separator; "" when there is none.
std::string_view FolderPart(std::string_view path);
// After the last separator (the whole text when there is none).
std::string_view FilePart(std::string_view path);
// After the last dot that follows the last separator, without the dot; "".
std::string_view ExtensionPart(std::string_view path);

// `path` minus its extension part (the dot stays) followed by `ending`; when
// the path has no extension part and does not end in a dot, a dot is
// inserted first ("D:\v\clip" + "mp4" gives "D:\v\clip.mp4").
std::string ReplaceExtension(std::string_view path, std::string_view ending);

// `folder` ending in a separator: "\\" added unless it ends in one ("" stays "").
std::string WithTrailingSeparator(std::string folder);

}  // namespace qv
