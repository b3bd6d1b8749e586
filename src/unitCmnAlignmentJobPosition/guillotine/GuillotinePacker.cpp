#include "unitCmnAlignmentJobPosition/guillotine/GuillotinePacker.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <random>

#include "unitCmnAlignmentJobPosition/guillotine/GuillotineAttempt.h"

namespace {

using Choice = GuillotineSheet::Choice;
using Split = GuillotineSheet::Split;
using Order = std::vector<std::size_t>;
using Key = std::function<double(const GuillotineItem&)>;

constexpr double kEps = 0.001;

// The short and the long side an item can lie on.
double shortSide(const GuillotineItem& i) { return i.turnable ? std::min(i.w, i.h) : i.h; }
double longSide(const GuillotineItem& i) { return i.turnable ? std::max(i.w, i.h) : i.w; }

// The orders tried: each a stable sort, largest first, of the input order.
const std::vector<Key>& orderKeys() {
  static const std::vector<Key> keys{
      shortSide,                                                        // lying flat, tallest
      longSide,                                                         // longest
      [](const GuillotineItem& i) { return i.w * i.h; },                // largest
      [](const GuillotineItem& i) { return i.w + i.h; },                // perimeter
      [](const GuillotineItem& i) { return i.h; },                      // tallest as it comes
      [](const GuillotineItem& i) { return i.w; },                      // widest as it comes
  };
  return keys;
}

// The rule pairs tried; fewer for long lists, where each fill costs more.
std::vector<GuillotineAttempt::Rules> rulesFor(std::size_t count) {
  const Choice choices[] = {Choice::TopThenShortSide, Choice::TopThenWidth, Choice::ShortSide,
                            Choice::LongSide};
  const Split splits[] = {Split::ShorterLeftover, Split::LongerLeftover, Split::MinimizeArea,
                          Split::MaximizeArea,    Split::Across,         Split::Along};
  std::vector<GuillotineAttempt::Rules> rules;
  if (count > 1000) return {{Choice::TopThenShortSide, Split::Across}};
  if (count > 300)
    return {{Choice::TopThenShortSide, Split::Across}, {Choice::TopThenWidth, Split::Along}};
  for (Choice c : choices)
    for (Split s : splits) rules.push_back({c, s});
  return rules;
}

Order sortedBy(const std::vector<GuillotineItem>& items, const Order& base, const Key& key) {
  Order order = base;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return key(items[a]) > key(items[b]) + kEps;
  });
  return order;
}

// The items in one way of turning them: as the packing decides (turnable
// items may turn), every turnable item lying flat, or every one standing.
struct Orientation {
  std::vector<GuillotineItem> items;
  std::vector<bool> preTurned;  // the item comes turned already
};

std::vector<Orientation> orientations(const std::vector<GuillotineItem>& items) {
  std::vector<Orientation> all(3);
  for (const GuillotineItem& item : items) {
    all[0].items.push_back(item);
    all[0].preTurned.push_back(false);
    for (int mode = 1; mode <= 2; ++mode) {
      const bool flat = mode == 1;
      const bool turn = item.turnable && (flat ? item.th < item.h : item.th > item.h);
      GuillotineItem fixed = item;
      if (turn) {
        std::swap(fixed.w, fixed.tw);
        std::swap(fixed.h, fixed.th);
      }
      fixed.turnable = false;
      all[static_cast<std::size_t>(mode)].items.push_back(fixed);
      all[static_cast<std::size_t>(mode)].preTurned.push_back(turn);
    }
  }
  return all;
}

struct Best {
  GuillotineAttempt attempt;
  Order order;
  GuillotineAttempt::Rules rules;
  std::size_t orientation;
};

// Every orientation and order with every rule pair on one sheet; the best
// fill.
Best bestFill(const std::vector<Orientation>& ways, const Order& remaining, double width,
              double length) {
  Best best{GuillotineAttempt(ways[0].items, width, length), remaining,
            rulesFor(remaining.size())[0], 0};
  bool any = false;
  for (std::size_t w = 0; w < ways.size(); ++w) {
    GuillotineAttempt attempt(ways[w].items, width, length);
    for (const Key& key : orderKeys()) {
      const Order order = sortedBy(ways[w].items, remaining, key);
      for (const auto& rules : rulesFor(remaining.size())) {
        attempt.run(order, rules);
        if (any && !attempt.betterThan(best.attempt)) continue;
        best = {attempt, order, rules, w};
        any = true;
      }
    }
  }
  return best;
}

// Swaps of two items in the best order, kept when the fill gets better.
void improveBySwaps(const std::vector<Orientation>& ways, Best& best, double width,
                    double length) {
  const std::size_t n = best.order.size();
  if (n < 3 || n > 300) return;
  std::mt19937 random(20261206u);
  GuillotineAttempt attempt(ways[best.orientation].items, width, length);
  const std::size_t rounds = 1500;
  for (std::size_t r = 0; r < rounds; ++r) {
    Order order = best.order;
    const std::size_t a = random() % n;
    const std::size_t b = random() % n;
    if (a == b) continue;
    std::swap(order[a], order[b]);
    attempt.run(order, best.rules);
    if (attempt.betterThan(best.attempt)) best = {attempt, order, best.rules, best.orientation};
  }
}

GuillotineItem withGaps(GuillotineItem item, const GuillotinePacker::Strip& strip) {
  item.w += strip.gapScan;
  item.h += strip.gapFeed;
  item.tw += strip.gapScan;
  item.th += strip.gapFeed;
  return item;
}

double sheetLengthOf(const GuillotinePacker::Strip& strip) {
  return strip.length < 0 ? std::numeric_limits<double>::max() : strip.length + strip.gapFeed;
}

}  // namespace

bool GuillotinePacker::fitsEmptySheet(const GuillotineItem& item, const Strip& strip) {
  const GuillotineItem g = withGaps(item, strip);
  const double width = strip.width + strip.gapScan;
  const double length = sheetLengthOf(strip);
  const bool asItComes = g.w <= width + kEps && g.h <= length + kEps;
  const bool turned = item.turnable && g.tw <= width + kEps && g.th <= length + kEps;
  return asItComes || turned;
}

std::vector<GuillotinePlace> GuillotinePacker::pack(const std::vector<GuillotineItem>& items,
                                                    const Strip& strip) {
  std::vector<GuillotineItem> sized;
  for (const GuillotineItem& item : items) sized.push_back(withGaps(item, strip));
  const std::vector<Orientation> ways = orientations(sized);
  const double width = strip.width + strip.gapScan;
  const double length = sheetLengthOf(strip);
  std::vector<GuillotinePlace> places(items.size());
  Order remaining(items.size());
  for (std::size_t k = 0; k < remaining.size(); ++k) remaining[k] = k;
  for (int32_t sheet = 1; !remaining.empty(); ++sheet) {
    Best best = bestFill(ways, remaining, width, length);
    improveBySwaps(ways, best, width, length);
    std::vector<bool> placed(items.size(), false);
    for (const auto& [k, place] : best.attempt.placed()) {
      places[k] = place;
      places[k].sheet = sheet;
      places[k].turned = place.turned != ways[best.orientation].preTurned[k];
      placed[k] = true;
    }
    Order next;
    for (std::size_t k : remaining)
      if (!placed[k]) next.push_back(k);
    // Every item fits an empty sheet, so a sheet always takes one.
    if (next.size() == remaining.size()) break;
    remaining = next;
  }
  return places;
}
