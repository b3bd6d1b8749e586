#include "unitCmnExceptions/unitCmnException.h"

#include <cstdio>

std::string unitCmnException::message() const {
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, "ErrorCode :0x%08X\t\nLastErr :0x%08X\t",
                info_.errorCode, info_.lastError);
  std::string text(numbers);
  text += "\nInfo :";
  text += info_.information;
  text += "\nComment :";
  text += info_.comment;
  return text;
}
