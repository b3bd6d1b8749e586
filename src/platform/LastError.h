// The operating system's last-error value of the calling thread. On this
// platform errno plays that part.
#pragma once

#include <cstdint>

namespace platform {

class LastError {
 public:
  static uint32_t get();
  static void set(uint32_t value);
};

}  // namespace platform
