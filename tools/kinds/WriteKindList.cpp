// Writes the library's kind table as rows a host program compiles in, so
// that jobpos names and checks the kinds from the one table the library
// arranges by. Run at build time; the output goes to the file named by the
// only argument.
#include <cstdio>
#include <fstream>
#include <string>

#include "unitCmnAlignmentJobPosition/ArrangeKinds.h"

namespace {

const char* familyName(ArrangeFamily family) {
  switch (family) {
    case ArrangeFamily::JobPosition: return "KindFamily::JobPosition";
    case ArrangeFamily::Tiling: return "KindFamily::Tiling";
    case ArrangeFamily::Grouping: return "KindFamily::Grouping";
  }
  return "KindFamily::JobPosition";
}

// The text as a C string literal (names and policies are plain ASCII).
std::string quoted(const char* text) {
  std::string out = "\"";
  for (const char* c = text; *c; ++c) {
    if (*c == '"' || *c == '\\') out += '\\';
    out += *c;
  }
  return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1], std::ios::trunc);
  out << "// Made at build time from the library's kind table; do not edit.\n";
  for (int number = 0; const ArrangeKind* kind = ArrangeKinds::find(number); ++number)
    out << "{" << kind->number << ", " << quoted(kind->name) << ", " << quoted(kind->policy)
        << ", " << familyName(kind->family) << ", " << (kind->unavailable ? "false" : "true")
        << "},\n";
  out.close();
  return out ? 0 : 1;
}
