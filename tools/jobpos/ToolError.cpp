#include "ToolError.h"

ToolError::ToolError(int status, const std::string& message)
    : std::runtime_error(message), status_(status) {}
