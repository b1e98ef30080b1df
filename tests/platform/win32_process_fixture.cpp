// A child for the process tests: writes its working folder, whether it has a
// console and its variable QV_TEST_VARIABLE into "report.txt" in that folder
// (whole, by renaming), then lives
// for the milliseconds given as its argument. With "--version" it only answers
// as an x264 build would.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "x264 0.164.3095\n", 16, &written, nullptr);
    return 0;
  }
  char folder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, folder);
  char variable[64] = {};
  GetEnvironmentVariableA("QV_TEST_VARIABLE", variable, sizeof variable);
  std::ofstream("report.tmp", std::ios::binary) << folder << "\n" << (GetConsoleWindow() != nullptr) << "\n" << variable;
  MoveFileA("report.tmp", "report.txt");
  Sleep(argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 0);
  return 0;
}
