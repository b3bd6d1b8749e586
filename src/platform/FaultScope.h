// Marks the calling thread as running inside one of the library's calls for
// the lifetime of the object. The fault translator turns processor faults
// into exceptions only while such a scope is open on the faulting thread;
// other faults belong to the host and are passed on to its handler.
#pragma once

namespace platform {

class FaultScope {
 public:
  FaultScope();
  ~FaultScope();
  FaultScope(const FaultScope&) = delete;
  FaultScope& operator=(const FaultScope&) = delete;

  // Whether the calling thread is inside at least one scope.
  static bool active();
};

}  // namespace platform
