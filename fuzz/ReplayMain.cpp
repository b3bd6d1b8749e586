// Replays inputs through a fuzz target's checks without libFuzzer: every
// file named on the command line, or every file of a folder named there,
// is handed to LLVMFuzzerTestOneInput once. The ordinary build runs the
// inputs that fuzzing once found faulty (tests/data/fuzz/<target>/) this
// way, so each fault found stays fixed.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  std::printf("replaying %s (%zu bytes)\n", file.string().c_str(), bytes.size());
  std::fflush(stdout);
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path path(argv[i]);
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::directory_iterator(path))
        if (entry.is_regular_file()) replay(entry.path()), ++replayed;
    } else {
      replay(path), ++replayed;
    }
  }
  std::printf("%d inputs replayed, none failed\n", replayed);
  return replayed > 0 ? 0 : 1;
}
