// A child for the process tests: writes its working folder and whether it has
// a console into "report.txt" in that folder (whole, by renaming), then lives
// for the milliseconds given as its argument.

#include <windows.h>

#include <cstdlib>
#include <fstream>

int main(int argc, char** argv) {
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  std::ofstream("report.tmp", std::ios::binary) << folder << "\n" << (GetConsoleWindow() != nullptr);
  MoveFileA("report.tmp", "report.txt");
  Sleep(argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 0);
  return 0;
}
