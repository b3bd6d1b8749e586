// What the library logs (through Boost.Log) reaches the operator's screen
// only when asked for: --log LEVEL installs a text sink on stderr for the
// records at or above the level. Without it only the error records are
// kept (LibraryErrors), and jobpos prints them when the library refuses.
#pragma once

#include <boost/log/attributes/attribute_value_set.hpp>
#include <string>

class LogSink {
 public:
  static constexpr int kError = 13;

  // level: "trace" (9 and up), "info" (10 and up) or "error" (13 only);
  // throws ToolError(2) for anything else.
  static void install(const std::string& level);
  // Lets through only the error records, which LibraryErrors keeps.
  static void errorsOnly();
  // A record's severity, 0 when it has none of the library's type.
  static int severityOf(const boost::log::attribute_value_set& values);
};
