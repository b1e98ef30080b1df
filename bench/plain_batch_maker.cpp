// The yardstick of bench/cli_vs_plain.sh: a plain program that does the
// file work of quorvelan-cli for a list of non-AviSynth inputs and nothing
// else. Each input gets its wrapper script in PROGRAM/avs, and one batch
// holds four lines per input; every file is written the same atomic way (a
// temporary file beside it, then a rename). Portable, so that it runs
// natively and, built for Windows, under Wine.
//
// It is meant as an independent baseline: it links nothing of quorvelan, so
// that only the file work is timed, and writes its batch lines and wrapper
// scripts from its own copy of their format (jobs/read_back.h holds the
// product's one). A change of that format need not follow here: the plain
// program only has to write files of about the same number and size.
//
// Usage: plain_batch_maker PROGRAM-FOLDER LIST-FILE

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

bool WriteAtomically(const fs::path& path, const std::string& bytes) {
  const fs::path temporary = path.parent_path() / "~plain.tmp";
  std::ofstream(temporary, std::ios::binary) << bytes;
  std::error_code error;
  fs::rename(temporary, path, error);
  return !error;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: plain_batch_maker PROGRAM-FOLDER LIST-FILE\n");
    return 2;
  }
  const std::string program = std::string(argv[1]) + "/";
  for (const char* folder : {"avs", "log", "stats"}) fs::create_directories(program + folder);
  std::ifstream list(argv[2], std::ios::binary);
  std::string batch = "@cd /d \"" + program + "\"\r\n@envprep.exe run\r\n@call envprep.bat\r\n@del envprep.bat\r\n";
  for (std::string source; std::getline(list, source);) {
    if (!source.empty() && source.back() == '\r') source.pop_back();
    const std::string name = source.substr(source.find_last_of("/\\") + 1);
    const std::string wrapper = program + "avs/" + name + ".avs";
    const std::string output = source.substr(0, source.rfind('.')) + ".mp4";
    if (!WriteAtomically(wrapper, "fs=\"" + source + "\"\r\nimport(\"..\\avsinc\\.avs\")\r\n")) return 1;
    batch += "@echo Input:" + wrapper + "\r\n@echo Output:" + output +
             "\r\n@echo Encode Mode:Single Pass - Quantizer\r\nx264.exe --progress --no-psnr --no-ssim --cqm flat "
             "--scenecut 40 -I 250 -i 25 --me hex --sar 1:1 --threads 1 -r 1 --nr 0 -f 0:0 -b 2 --direct "
             "\"temporal\" --b-bias 0 -w -q 26 --qpmin 10 --qpmax 51 --8x8dct -A p8x8,b8x8,i8x8,i4x4 -m 5 -o \"" +
             output + "\" \"" + wrapper + "\" 2>&1|teelog.exe \"" + program + "log/" + name + ".txt\"\r\n";
  }
  return WriteAtomically(program + "jobs.bat", batch) ? 0 : 1;
}
