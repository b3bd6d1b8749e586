// The arrangement kinds the host chooses with init: one row per kind
// number, saying what the kind is called, which execution runs it, the
// policy name written as "arrangePolicy", and how its arranger is made, or
// why it cannot be run yet. Every decision that depends on the kind number
// reads this table; adding a kind is adding a row.
#pragma once

#include <memory>
#include <string>

class AbCompositeArranger;
class AbGroupingArranger;
class AbTilingArranger;

// Which execution a kind belongs to.
enum class ArrangeFamily { JobPosition, Tiling, Grouping };

struct ArrangeKind {
  using CompositeMaker = std::unique_ptr<AbCompositeArranger> (*)();
  using TilingMaker = std::unique_ptr<AbTilingArranger> (*)();
  using GroupingMaker = std::unique_ptr<AbGroupingArranger> (*)();

  // A row gives the first seven values; a grouping kind that runs adds its
  // maker.
  ArrangeKind(int number_, const char* name_, ArrangeFamily family_, const char* policy_,
              CompositeMaker makeComposite_, TilingMaker makeTiling_, const char* unavailable_,
              GroupingMaker makeGrouping_ = nullptr)
      : number(number_), name(name_), family(family_), policy(policy_),
        makeComposite(makeComposite_), makeTiling(makeTiling_), unavailable(unavailable_),
        makeGrouping(makeGrouping_) {}

  int number;
  const char* name;    // as the documentation and the log call it
  ArrangeFamily family;
  const char* policy;  // "arrangePolicy" of its arrangement sections; "" for none
  CompositeMaker makeComposite;  // job-position kinds that can run; null otherwise
  TilingMaker makeTiling;        // tiling kinds that can run; null otherwise
  const char* unavailable;       // why the kind cannot run; null when it can
  GroupingMaker makeGrouping;    // grouping kinds that can run; null otherwise

  // "arrangement kind <n> (<policy or name>)", the kind as messages name it.
  std::string label() const;
};

class ArrangeKinds {
 public:
  // The row of a kind number; null for a number no kind has.
  static const ArrangeKind* find(int number);
  // The policy name of a kind number; "" for none.
  static std::string policyName(int number);
  // Raises, with the row's reason, when the kind cannot run.
  static void requireAvailable(const ArrangeKind& kind);
};
