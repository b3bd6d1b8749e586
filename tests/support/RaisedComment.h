// Test helper: the comment of the unitCmnException a call raises.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "unitCmnExceptions/unitCmnException.h"

// Runs f and answers the comment of the unitCmnException it raises (with
// the default error code); a test failure when it raises nothing or
// something else.
template <class F>
std::string raisedComment(F&& f) {
  try {
    f();
  } catch (const unitCmnException& e) {
    EXPECT_EQ(e.errorCode(), 3u);
    return e.comment();
  } catch (...) {
    ADD_FAILURE() << "raised something other than unitCmnException";
    return std::string();
  }
  ADD_FAILURE() << "nothing raised";
  return std::string();
}
