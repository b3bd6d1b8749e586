#include <gtest/gtest.h>

#include "unitCmnExceptions/unitCmnExceptions.h"

using platform::FaultRecord;

namespace {
FaultRecord record(uint32_t code, uint64_t address, std::initializer_list<uint64_t> params) {
  FaultRecord r;
  r.code = code;
  r.address = address;
  for (uint64_t p : params) r.parameters[r.numberParameters++] = p;
  return r;
}
}  // namespace

TEST(FaultText, AccessViolationSaysReadOrWrite) {
  EXPECT_EQ(unitCmnExceptions::describeFault(record(0xC0000005, 0x401A2B, {0, 0})),
            "The instruction at 0x401A2B referenced memory at 0x0. The memory could not be read.");
  EXPECT_EQ(unitCmnExceptions::describeFault(record(0xC0000005, 0x10, {1, 0xDEAD})),
            "The instruction at 0x10 referenced memory at 0xDEAD. The memory could not be write.");
}

TEST(FaultText, InPageErrorNamesTheStatus) {
  EXPECT_EQ(unitCmnExceptions::describeFault(record(0xC0000006, 0xAB, {0, 0x1000, 0xC000009C})),
            "The instruction at 0xAB referenced memory at 0x1000. The required data was not "
            "placed into memory because of an I/O error status of 0xC000009C.");
}

TEST(FaultText, OtherCodesGiveTheAddress) {
  EXPECT_EQ(unitCmnExceptions::describeFault(record(0xC0000094, 0xFF, {})), "Address : 0xFF");
  EXPECT_EQ(unitCmnExceptions::describeFault(record(0xC000001D, 0xFF, {0x20})),
            "Address : 0xFF 0x20");
}

TEST(FaultText, FaultExceptionNamesTheFixedSourceAndCopiesRecords) {
  const FaultRecord r = record(0xC0000005, 0x1234, {1, 0x8});
  platform::FaultContext context;
  context.registers[0] = 99;
  const platform::FaultPointers fault{&r, &context};
  try {
    unitCmnExceptions::throwFault(fault);
  } catch (const unitCmnException& e) {
    EXPECT_EQ(e.errorCode(), 3u);
    EXPECT_STREQ(e.sourceFile(), "UnitCmn/unitCmnSrc/unitCmnExceptions/unitCmnExceptions");
    EXPECT_EQ(e.sourceLine(), 450u);
    EXPECT_STREQ(e.comment(), "");
    EXPECT_EQ(e.errorInfo().exceptionRecord.parameters[1], 0x8u);
    EXPECT_EQ(e.errorInfo().context.registers[0], 99u);
    EXPECT_NE(e.message().find("Info :The instruction at 0x1234"), std::string::npos);
    return;
  }
  FAIL() << "throwFault returned";
}
