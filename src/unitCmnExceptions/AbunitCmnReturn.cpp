#include "unitCmnExceptions/AbunitCmnReturn.h"

AbunitCmnReturn::~AbunitCmnReturn() = default;

std::string AbunitCmnReturn::message() const { return "Comment :" + comment_; }
