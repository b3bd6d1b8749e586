// A 16-bit hash of a candidate point, kept beside the points so that "is
// this point listed?" compares hashes, eight at a time where the processor
// can, and reads a point only where its hash matches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define UNITCMN_POINT_HASH_SSE2 1
#endif

class PointHash {
 public:
  // Equal points have equal hashes (0 and -0 included: adding 0.0 makes
  // -0 into +0).
  static uint16_t of(double x, double y) {
    x += 0.0;
    y += 0.0;
    uint64_t bx, by;
    std::memcpy(&bx, &x, sizeof bx);
    std::memcpy(&by, &y, sizeof by);
    const uint64_t h = (bx * 0x9E3779B97F4A7C15ull) ^ (by * 0xC2B2AE3D27D4EB4Full);
    return static_cast<uint16_t>((h ^ (h >> 29)) >> 40);
  }

  // Calls found(i) for each i < n with hashes[i] == hash, in order, until
  // it answers true; whether one did.
  template <class Found>
  static bool forEachEqual(const uint16_t* hashes, std::size_t n, uint16_t hash, Found&& found) {
    std::size_t i = 0;
#ifdef UNITCMN_POINT_HASH_SSE2
    const __m128i wanted = _mm_set1_epi16(static_cast<short>(hash));
    for (; i + 8 <= n; i += 8) {
      const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i*>(hashes + i));
      // Two mask bits per equal hash.
      for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi16(eight, wanted)));
           mask != 0; mask &= mask - 1, mask &= mask - 1) {
        if (found(i + static_cast<std::size_t>(__builtin_ctz(mask)) / 2)) return true;
      }
    }
#endif
    for (; i < n; ++i) {
      if (hashes[i] == hash && found(i)) return true;
    }
    return false;
  }
};
