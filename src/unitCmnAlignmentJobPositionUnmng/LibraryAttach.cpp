#include "unitCmnAlignmentJobPositionUnmng/LibraryAttach.h"

#include "platform/FaultTranslator.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/unitCmnExceptions.h"

void LibraryAttach::attach() {
  KvnCmnLog::setUp();
  platform::FaultTranslator::install(&unitCmnExceptions::throwFault);
}

void LibraryAttach::detach() { platform::FaultTranslator::uninstall(); }

namespace {

__attribute__((constructor)) void onLibraryLoad() { LibraryAttach::attach(); }

__attribute__((destructor)) void onLibraryUnload() { LibraryAttach::detach(); }

}  // namespace
