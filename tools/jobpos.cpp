// jobpos: the command-line host of the layout engine. It uses only the
// public C header and the shared library, as a real host does.
//
//   jobpos check
//       creates an instance, initialises it for a 1600 mm roll, asks for its
//       job count and disposes it.
//   jobpos read --out DIR JOB.ini...
//       hands every job text to the library and writes the text the library
//       gives back for each job into DIR under the job's file name (older
//       job files come back raised to the current version).
//
// Exit status: 0 success, 1 the library answered false, 2 usage or file
// error.
#include <boost/filesystem.hpp>
#include <boost/log/core.hpp>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "unitCmnAlignmentJobPosition.h"

namespace fs = boost::filesystem;

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: jobpos check\n"
               "       jobpos read --out DIR JOB.ini...\n");
  return 2;
}

int failed(const char* call) {
  std::fprintf(stderr, "jobpos: %s answered false\n", call);
  return 1;
}

bool readFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

// The text of job index as the library hands it back.
bool jobText(void* p, int index, std::string& text) {
  uint64_t size = 0;
  if (!getAlignmentJobSize(p, index, &size)) return false;
  text.assign(size, '\0');
  return copyAlignmentJobParam(p, text.data(), size);
}

int check() {
  void* p = CreateInstance();
  if (p == nullptr) return failed("CreateInstance");
  const bool initialised = init(p, 0, 2.0, 2.0, false, 1600.0, -1.0, 0.0, 0.0);
  int count = 0;
  const bool hasJobs = getAlignmentJobCount(p, &count);
  disposeInstance(p);
  if (!initialised) return failed("init");
  std::printf("instance created, initialised for a 1600 mm roll, %d job(s), disposed\n",
              hasJobs ? count : 0);
  return 0;
}

int readJobs(const std::string& outDir, const std::vector<std::string>& files) {
  std::vector<std::string> texts(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    if (!readFile(files[i], texts[i])) {
      std::fprintf(stderr, "jobpos: cannot read %s\n", files[i].c_str());
      return 2;
    }
  }
  boost::system::error_code error;
  fs::create_directories(outDir, error);
  if (error) {
    std::fprintf(stderr, "jobpos: cannot make %s: %s\n", outDir.c_str(), error.message().c_str());
    return 2;
  }
  void* p = CreateInstance();
  if (p == nullptr) return failed("CreateInstance");
  for (const auto& text : texts) addJob(p, text.c_str());
  int status = 0;
  for (size_t i = 0; i < files.size() && status == 0; ++i) {
    std::string text;
    const fs::path target = fs::path(outDir) / fs::path(files[i]).filename();
    if (!jobText(p, static_cast<int>(i), text)) {
      status = failed("getAlignmentJobSize/copyAlignmentJobParam");
    } else if (!(std::ofstream(target.string(), std::ios::binary) << text)) {
      std::fprintf(stderr, "jobpos: cannot write %s\n", target.string().c_str());
      status = 2;
    } else {
      std::printf("%s: %zu bytes\n", target.string().c_str(), text.size());
    }
  }
  disposeInstance(p);
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  // The library logs through Boost.Log and adds no sink; a host that wants
  // no records on the console switches logging off.
  boost::log::core::get()->set_logging_enabled(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && args[0] == "check") return check();
  if (args.size() >= 4 && args[0] == "read" && args[1] == "--out")
    return readJobs(args[2], std::vector<std::string>(args.begin() + 3, args.end()));
  return usage();
}
