// What the library logs (through Boost.Log) reaches the operator only when
// asked for: --log LEVEL installs a text sink on stderr for the records at
// or above the level; otherwise logging is switched off.
#pragma once

#include <string>

class LogSink {
 public:
  // level: "trace" (9 and up), "info" (10 and up) or "error" (13 only);
  // throws ToolError(2) for anything else.
  static void install(const std::string& level);
  static void switchOff();
};
