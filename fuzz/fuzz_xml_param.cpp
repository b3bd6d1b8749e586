// One XML parameter file on arbitrary text; built once per parameter class
// (FUZZ_PARAM_HEADER, FUZZ_PARAM_CLASS). What reads must write a text that
// reads back to the same fields: read, write, read again, write again, and
// the two written texts are equal.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include FUZZ_PARAM_HEADER

namespace {

// The parameter class with its written text in memory instead of a file.
class Written : public FUZZ_PARAM_CLASS {
 public:
  std::string text() {
    if (!prepareWrite()) fuzzcheck::fail("a read parameter file cannot be written", "", "");
    return paramIo.toText(true);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzcheck::logOff(), true);
  (void)quiet;
  const std::string input(reinterpret_cast<const char*>(data), size);
  Written first;
  if (!first.readParamData(input)) return 0;
  const std::string written = first.text();
  Written second;
  if (!second.readParamData(written))
    fuzzcheck::fail("written parameter text does not read", input, written);
  fuzzcheck::checkSame("parameters changed on their way through text", written, second.text());
  return 0;
}
