#include "platform/FaultScope.h"

namespace platform {
namespace {
// Nesting depth per thread. Touched before any fault can happen on the
// thread, so the signal handler only ever reads storage that already exists.
thread_local int depth = 0;
}  // namespace

FaultScope::FaultScope() { ++depth; }

FaultScope::~FaultScope() { --depth; }

bool FaultScope::active() { return depth > 0; }

}  // namespace platform
