// The concrete AbunitCmnReturn that the parameter I/O layer throws.
#pragma once

#include "unitCmnExceptions/AbunitCmnReturn.h"

class unitCmnErrorReturn : public AbunitCmnReturn {
 public:
  using AbunitCmnReturn::AbunitCmnReturn;
};
