// Stands in for x264.exe where quorvelan-cli looks for it: tells a version
// of today's x264 and nothing else.
#include <cstdio>

int main() { return std::puts("x264 0.164.3095 baee400") < 0 ? 1 : 0; }
