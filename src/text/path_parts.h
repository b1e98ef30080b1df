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

// Where a path starts from.
enum class PathStart {
  Itself,         // "C:\v\x", "\\server\share\x", "\\?\C:\x": a full path
  DriveRoot,      // "\v\x": the root of the current drive (natively, a host path from the root)
  DriveFolder,    // "Z:x": the current folder of drive Z
  CurrentFolder,  // "x", "v\x"
};
PathStart StartOf(std::string_view path);

// The drive ("C:") or the server share ("\\server\share") that a full path
// starts with; "" for a host path.
std::string_view RootPart(std::string_view path);

// `folder` ending in a separator: "\\" added unless it ends in one ("" stays "").
std::string WithTrailingSeparator(std::string folder);

// True for a file name that the system reserves for a device, whatever its
// case and extension: "aux.avs" and "CON.ini" open a device, not a file.
bool IsDeviceName(std::string_view name);

// True for the name of a temporary file that an atomic write of this program
// makes beside its target: `prefix`, the process number, "-", a counter,
// ".tmp" ("~qv1234-5.tmp").
bool IsWriteTemporaryName(std::string_view name, std::string_view prefix);

}  // namespace qv
