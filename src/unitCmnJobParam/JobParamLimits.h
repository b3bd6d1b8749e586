// The limits the job model puts on a value it decodes (the reasoning is in
// docs/limits.md); the text as a whole is bounded by ParamIoLimits.
#pragma once

class JobParamLimits {
 public:
  // Values in one compound key ("1,2,3", "{1,2},{3,4}", "1;2,3"...), all
  // levels together: each becomes an element of its own, many times the
  // size of its text.
  static constexpr unsigned long long kMaxListValues = 1000000;
};
