// jobpos: the command-line host of the layout engine. It uses only the
// public C header and the shared library, as a real host does.
//
//   jobpos check     creates an instance, initialises it for a 1600 mm roll,
//                    asks for its job count and disposes it.
#include <boost/log/core.hpp>
#include <cstdio>
#include <cstring>

#include "unitCmnAlignmentJobPosition.h"

namespace {

int usage() {
  std::fprintf(stderr, "usage: jobpos check\n");
  return 2;
}

int check() {
  void* p = CreateInstance();
  if (p == nullptr) {
    std::fprintf(stderr, "jobpos: CreateInstance answered null\n");
    return 1;
  }
  const bool initialised = init(p, 0, 2.0, 2.0, false, 1600.0, -1.0, 0.0, 0.0);
  int count = 0;
  const bool hasJobs = getAlignmentJobCount(p, &count);
  disposeInstance(p);
  if (!initialised) {
    std::fprintf(stderr, "jobpos: init answered false\n");
    return 1;
  }
  std::printf("instance created, initialised for a 1600 mm roll, %d job(s), disposed\n",
              hasJobs ? count : 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The library logs through Boost.Log and adds no sink; a host that wants
  // no records on the console switches logging off.
  boost::log::core::get()->set_logging_enabled(false);
  if (argc == 2 && std::strcmp(argv[1], "check") == 0) return check();
  return usage();
}
