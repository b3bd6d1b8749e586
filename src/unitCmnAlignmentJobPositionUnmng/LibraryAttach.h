// What the library does when it is loaded into a process and unloaded from
// it: create the logger, so that no two threads race to create it at their
// first call; install the processor-fault translator (process-wide
// handlers; the per-thread part is the FaultScope each call opens); and put
// the host's handlers back before the library's code goes away.
#pragma once

class LibraryAttach {
 public:
  static void attach();
  static void detach();
};
