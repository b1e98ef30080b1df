// A stand-in calculator library for the library tests.

#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI rateplan(int audioBitrate, int unused) {
  return 1000 - audioBitrate + unused;
}
