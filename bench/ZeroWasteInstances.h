// Zero-waste instances for measuring media use: a W x W square cut
// recursively by random straight cuts (through the whole piece being cut)
// into n rectangles. The pieces fill the square exactly, and since they
// come from straight cuts a guillotine layout of length W exists: the
// optimal length on a roll W wide is W.
#pragma once

#include <cmath>
#include <random>
#include <vector>

struct Piece {
  double w, h;
};

class ZeroWasteInstances {
 public:
  // The pieces of instance `seed`: between 15 and 200 of them; every piece
  // at least 1 mm each way, sizes in whole millimetres.
  static std::vector<Piece> make(unsigned seed, double side) {
    std::mt19937 random(seed);
    const std::size_t count = 15 + random() % 186;
    std::vector<Piece> pieces{{side, side}};
    while (pieces.size() < count) {
      const std::size_t k = random() % pieces.size();
      Piece p = pieces[k];
      // Cut across the longer side more often, so pieces stay varied.
      const bool alongWidth = (p.w >= p.h) == (random() % 4 != 0);
      const double size = alongWidth ? p.w : p.h;
      const double at = std::round(size * (0.15 + 0.7 * (random() % 1000) / 1000.0));
      if (at < 1 || size - at < 1) continue;
      if (alongWidth) {
        pieces[k] = {at, p.h};
        pieces.push_back({p.w - at, p.h});
      } else {
        pieces[k] = {p.w, at};
        pieces.push_back({p.w, p.h - at});
      }
    }
    return pieces;
  }
};
