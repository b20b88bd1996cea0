// Writes the game's six WAV files into the folder given on the command line.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sound/synth.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  for (const auto& e : zv::synth::catalogue()) {
    auto bytes = zv::synth::wav_bytes(e.make());
    std::filesystem::path path = dir / e.file;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
      return 1;
    }
  }
  return 0;
}
