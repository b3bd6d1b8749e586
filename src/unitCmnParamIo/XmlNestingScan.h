// A cheap, linear look at an XML text before RapidXML parses it: how deep
// its elements nest. RapidXML parses each element level with a few nested
// calls, so a deeply nested hostile text would overflow the thread's stack;
// this scan needs no recursion and no memory beyond a counter.
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
  // Deepest element nesting found in text[0, size) (the number of element
  // levels from a top-level element down to the deepest one, an empty
  // element included), stopping at the first
  // NUL (where RapidXML stops too). The scan ends early once the depth
  // exceeds limit, answering limit + 1.
  static size_t maxDepth(const char* text, size_t size, size_t limit);
};
