#include "KindTable.h"

#include <cstdio>
#include <cstring>

namespace {

const std::vector<KindRow> kRows = {
#include "ArrangeKindList.inc"
};

}  // namespace

const std::vector<KindRow>& KindTable::rows() { return kRows; }

const KindRow* KindTable::find(int number) {
  for (const auto& row : kRows)
    if (row.number == number) return &row;
  return nullptr;
}

std::vector<int> KindTable::numbers(KindFamily family) {
  std::vector<int> out;
  for (const auto& row : kRows)
    if (row.family == family) out.push_back(row.number);
  return out;
}

std::string KindTable::spoken(KindFamily family) {
  const std::vector<int> n = numbers(family);
  if (n.empty()) return "none";
  const bool run = n.back() - n.front() + 1 == static_cast<int>(n.size());
  if (run && n.size() > 3) return std::to_string(n.front()) + " to " + std::to_string(n.back());
  std::string text;
  for (size_t i = 0; i < n.size(); ++i)
    text += (i == 0 ? "" : i + 1 == n.size() ? " and " : ", ") + std::to_string(n[i]);
  return text;
}

std::string KindTable::listed(KindFamily family) {
  std::string text;
  for (const int n : numbers(family)) text += (text.empty() ? "" : ",") + std::to_string(n);
  return text;
}

std::string KindTable::help(KindFamily family) {
  std::string text;
  for (const auto& row : kRows) {
    if (row.family != family) continue;
    char line[160];
    const bool policy = *row.policy != '\0' && std::strstr(row.name, row.policy) != row.name;
    std::snprintf(line, sizeof line, "    %2d  %s%s%s%s%s\n", row.number, row.name,
                  policy ? " (policy " : "", policy ? row.policy : "", policy ? ")" : "",
                  row.available ? "" : "  - not available in this build");
    text += line;
  }
  return text;
}

bool KindTable::usesTwinRolls(int number) {
  const KindRow* row = find(number);
  if (row == nullptr) return false;
  return std::strcmp(row->policy, "TwinRoll") == 0 ||
         std::strcmp(row->name, "GroupingMinimumSizeArranger") == 0;
}
