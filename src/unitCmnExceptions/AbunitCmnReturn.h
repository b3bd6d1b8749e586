// The lighter error of the parameter I/O layer: a bad value or a missing
// key. Thrown by value, caught as AbunitCmnReturn&.
#pragma once

#include <cstdint>
#include <string>

class AbunitCmnReturn {
 public:
  AbunitCmnReturn(uint32_t errorCode, std::string comment)
      : errorCode_(errorCode), comment_(std::move(comment)) {}
  virtual ~AbunitCmnReturn();

  // "Comment :" followed by the comment.
  virtual std::string message() const;

  uint32_t errorCode() const { return errorCode_; }
  const std::string& comment() const { return comment_; }

 private:
  uint32_t errorCode_;
  std::string comment_;
};
