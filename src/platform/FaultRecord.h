// What is known of one processor fault: the exception record (code, flags,
// faulting instruction, parameters) and the register context, laid out
// after the records the host platform's own fault reports use, so that the
// codes and parameters read the same everywhere.
#pragma once

#include <cstdint>

namespace platform {

enum FaultCode : uint32_t {
  kAccessViolation = 0xC0000005u,  // parameters: write flag, address
  kInPageError = 0xC0000006u,      // parameters: write flag, address, status
  kIllegalInstruction = 0xC000001Du,
  kPrivilegedInstruction = 0xC0000096u,
  kArrayBoundsExceeded = 0xC000008Cu,
  kFloatDenormalOperand = 0xC000008Du,
  kFloatDivideByZero = 0xC000008Eu,
  kFloatInexactResult = 0xC000008Fu,
  kFloatInvalidOperation = 0xC0000090u,
  kFloatOverflow = 0xC0000091u,
  kFloatUnderflow = 0xC0000093u,
  kIntegerDivideByZero = 0xC0000094u,
  kIntegerOverflow = 0xC0000095u,
};

struct FaultRecord {
  static constexpr unsigned kMaxParameters = 15;
  uint32_t code = 0;
  uint32_t flags = 0;
  uint64_t address = 0;  // the faulting instruction
  uint32_t numberParameters = 0;
  uint64_t parameters[kMaxParameters] = {};
};

// General-purpose registers at the fault, in the kernel's order for this
// architecture (all zero where the architecture is not known).
struct FaultContext {
  static constexpr unsigned kMaxRegisters = 32;
  uint64_t registers[kMaxRegisters] = {};
};

struct FaultPointers {
  const FaultRecord* record = nullptr;
  const FaultContext* context = nullptr;
};

}  // namespace platform
