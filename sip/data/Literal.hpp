#pragma once
// Literal: a Data made from a constant keyword (method names, header names, parameter names).
#include "sip/data/Data.hpp"

namespace vx {

class Literal : public Data {
 public:
  Literal(const char* text) : Data(text) {}  // NOLINT: keywords convert freely
};

}  // namespace vx
