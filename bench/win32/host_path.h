#pragma once
// A path given on the Linux command line as a Windows program under Wine sees
// it: "/x/y" is "Z:\x\y".

#include <algorithm>
#include <string>

inline std::string HostPath(std::string path) {
  if (!path.empty() && path[0] == '/') path = "Z:" + path;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}
