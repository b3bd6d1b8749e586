// A cheap, linear look at an XML text before RapidXML parses it: whether it
// passes a limit of ParamIoLimits on nesting, elements or attributes.
// RapidXML parses each element level with a few nested calls, so a deeply
// nested hostile text would overflow the thread's stack, and it allocates a
// node per element and attribute, so a text of tiny elements would cost
// many times its size; this scan needs no recursion and no memory beyond a
// few counters.
//
// The scan skips what RapidXML skips as a whole (comments, CDATA sections,
// processing instructions and the declaration, DOCTYPE with its bracketed
// internal subset, other "<!" constructs) and reads tags the way RapidXML
// does, so it never counts fewer open elements than RapidXML would nest
// before reaching the same point. Malformed text is not judged here: the
// scan stops where RapidXML would report an error or the text ends.
#pragma once

#include <cstddef>

class XmlNestingScan {
 public:
  enum class Excess { none, depth, elements, attributesPerElement, attributes };

  // The first limit that text[0, size) passes, up to the first NUL (where
  // RapidXML stops too); the scan ends there. Depth is the number of
  // element levels from a top-level element down to the deepest one, an
  // empty element included; elements count CDATA sections too (each
  // becomes a definition).
  static Excess check(const char* text, size_t size);
};
