#include "platform/FaultTranslator.h"

#include <signal.h>
#include <ucontext.h>

#include <atomic>
#include <cstring>
#include <mutex>

#include "platform/FaultScope.h"

namespace platform {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL};
constexpr int kSignalSlots = 32;

std::atomic<FaultTranslator::Thrower> currentThrower{nullptr};
std::atomic<bool> handlersInstalled{false};
struct sigaction previousActions[kSignalSlots];
std::mutex installMutex;

uint32_t fpeCode(int siCode) {
  switch (siCode) {
    case FPE_INTDIV: return kIntegerDivideByZero;
    case FPE_INTOVF: return kIntegerOverflow;
    case FPE_FLTDIV: return kFloatDivideByZero;
    case FPE_FLTOVF: return kFloatOverflow;
    case FPE_FLTUND: return kFloatUnderflow;
    case FPE_FLTRES: return kFloatInexactResult;
    case FPE_FLTSUB: return kArrayBoundsExceeded;
    default: return kFloatInvalidOperation;
  }
}

// Whether the faulting access was a write, where the architecture says.
bool faultWasWrite(const void* uctx) {
#if defined(__x86_64__)
  const auto* uc = static_cast<const ucontext_t*>(uctx);
  return (uc->uc_mcontext.gregs[REG_ERR] & 0x2) != 0;
#else
  (void)uctx;
  return false;
#endif
}

uint64_t instructionAddress(const siginfo_t* info, const void* uctx) {
#if defined(__x86_64__)
  (void)info;
  return static_cast<uint64_t>(
      static_cast<const ucontext_t*>(uctx)->uc_mcontext.gregs[REG_RIP]);
#else
  (void)uctx;
  return reinterpret_cast<uint64_t>(info->si_addr);
#endif
}

FaultContext contextOf(const void* uctx) {
  FaultContext context;
#if defined(__x86_64__)
  const auto* uc = static_cast<const ucontext_t*>(uctx);
  static_assert(NGREG <= FaultContext::kMaxRegisters, "register block too small");
  for (int i = 0; i < NGREG; ++i)
    context.registers[i] = static_cast<uint64_t>(uc->uc_mcontext.gregs[i]);
#else
  (void)uctx;
#endif
  return context;
}

FaultRecord recordOf(int sig, const siginfo_t* info, const void* uctx) {
  FaultRecord record;
  record.address = instructionAddress(info, uctx);
  const auto referenced = reinterpret_cast<uint64_t>(info->si_addr);
  switch (sig) {
    case SIGSEGV:
      record.code = kAccessViolation;
      record.numberParameters = 2;
      record.parameters[0] = faultWasWrite(uctx) ? 1 : 0;
      record.parameters[1] = referenced;
      break;
    case SIGBUS:
      record.code = kInPageError;
      record.numberParameters = 3;
      record.parameters[0] = faultWasWrite(uctx) ? 1 : 0;
      record.parameters[1] = referenced;
      record.parameters[2] = static_cast<uint64_t>(info->si_code);
      break;
    case SIGFPE:
      record.code = fpeCode(info->si_code);
      break;
    default:
      record.code = info->si_code == ILL_PRVOPC ? kPrivilegedInstruction
                                                : kIllegalInstruction;
      break;
  }
  return record;
}

// Hands the signal to whoever had it before us.
void passOn(int sig, siginfo_t* info, void* uctx) {
  const struct sigaction& previous = previousActions[sig];
  if (previous.sa_flags & SA_SIGINFO) {
    previous.sa_sigaction(sig, info, uctx);
    return;
  }
  if (previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
    previous.sa_handler(sig);
    return;
  }
  // Default action: restore it. A real fault recurs when the instruction is
  // re-executed on return; a sent signal is raised again.
  signal(sig, SIG_DFL);
  if (info->si_code <= 0) raise(sig);
}

void onSignal(int sig, siginfo_t* info, void* uctx) {
  const bool synchronous = info->si_code > 0;
  const FaultTranslator::Thrower thrower = currentThrower.load();
  if (!synchronous || !FaultScope::active() || thrower == nullptr) {
    passOn(sig, info, uctx);
    return;
  }
  const FaultRecord record = recordOf(sig, info, uctx);
  const FaultContext context = contextOf(uctx);
  thrower(FaultPointers{&record, &context});
  passOn(sig, info, uctx);  // a thrower that returned: treat as unhandled
}

}  // namespace

bool FaultTranslator::install(Thrower thrower) {
  std::lock_guard<std::mutex> lock(installMutex);
  currentThrower.store(thrower);
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_sigaction = onSignal;
  sigemptyset(&action.sa_mask);
  // SA_NODEFER: the handler leaves by throwing, never by sigreturn, so the
  // signal must not stay blocked on the thread afterwards.
  action.sa_flags = SA_SIGINFO | SA_NODEFER | SA_ONSTACK;
  for (int sig : kSignals) {
    // A handler the host set after ours becomes the one faults outside the
    // library are passed on to.
    struct sigaction current;
    if (sigaction(sig, nullptr, &current) != 0) return false;
    const bool ours = (current.sa_flags & SA_SIGINFO) && current.sa_sigaction == onSignal;
    if (ours) continue;
    if (sigaction(sig, &action, &previousActions[sig]) != 0) return false;
  }
  handlersInstalled.store(true);
  return true;
}

void FaultTranslator::uninstall() {
  std::lock_guard<std::mutex> lock(installMutex);
  if (!handlersInstalled.load()) return;
  for (int sig : kSignals) sigaction(sig, &previousActions[sig], nullptr);
  handlersInstalled.store(false);
}

bool FaultTranslator::installed() { return handlersInstalled.load(); }

}  // namespace platform
