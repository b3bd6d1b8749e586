// What every fuzz target shares: a failed check ends the run the way a
// crash does (abort, so libFuzzer keeps the input), and the library's log
// is switched off so that millions of refused inputs do not flood the
// console.
#pragma once

#include <boost/log/core.hpp>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

// The text with bytes outside printable ASCII (but line feeds) as \xHH.
inline std::string printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
    out += (c == '\n' || (c >= 0x20 && c < 0x7F)) ? std::string(1, static_cast<char>(c)) : escaped;
  }
  return out;
}

// Reports what differs and aborts.
[[noreturn]] inline void fail(const char* what, const std::string& first,
                              const std::string& second) {
  std::fprintf(stderr, "fuzz check failed: %s\n--- first (%zu bytes)\n%s\n--- second (%zu bytes)\n%s\n",
               what, first.size(), printable(first).c_str(), second.size(),
               printable(second).c_str());
  std::abort();
}

inline void checkSame(const char* what, const std::string& first, const std::string& second) {
  if (first != second) fail(what, first, second);
}

inline void logOff() { boost::log::core::get()->set_logging_enabled(false); }

}  // namespace fuzzcheck
