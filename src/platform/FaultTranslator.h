// Turns synchronous processor faults (SIGSEGV, SIGBUS, SIGFPE, SIGILL) that
// happen inside one of the library's calls (see FaultScope) into a C++
// exception thrown from the faulting instruction, so the call unwinds, logs
// and answers failure like any other error.
//
// Faults outside a library call, and signals sent by kill(), are passed on
// to the handler that was installed before ours; with none, the process
// dies as it would have without the library.
//
// Throwing out of a signal handler requires the faulting code to be built
// with -fnon-call-exceptions; the library's own code is.
#pragma once

#include "platform/FaultRecord.h"

namespace platform {

class FaultTranslator {
 public:
  // Builds and throws the exception for a fault. Must not return.
  using Thrower = void (*)(const FaultPointers& fault);

  // Installs the handlers process-wide and sets the thrower. Called again,
  // it puts our handler back on any signal whose handler was replaced since
  // (the replacing handler is then the one passed on to). Returns whether
  // the handlers are in place.
  static bool install(Thrower thrower);

  // Puts back the handlers that were there before install. Needed before
  // the code of the handler is unloaded.
  static void uninstall();

  static bool installed();
};

}  // namespace platform
