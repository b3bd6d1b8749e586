#include "Sheet.h"

#include <algorithm>
#include <cstdio>

double Sheet::usedLength() const {
  double length = 0.0;
  for (const auto& u : units_) length = std::max(length, u.y + u.height);
  return length;
}

double Sheet::unitArea(double width) const {
  double area = 0.0;
  for (const auto& u : units_) {
    const double across = std::min(u.x + u.width, width) - std::max(u.x, 0.0);
    if (across > 0.0) area += across * u.height;
  }
  return area;
}

double Sheet::utilisation(double width) const {
  const double media = width * usedLength();
  return media > 0.0 ? unitArea(width) / media : 0.0;
}

double Sheet::smallestX() const {
  if (units_.empty()) return 0.0;
  double x = units_.front().x;
  for (const auto& u : units_) x = std::min(x, u.x);
  return x;
}

double Sheet::smallestY() const {
  if (units_.empty()) return 0.0;
  double y = units_.front().y;
  for (const auto& u : units_) y = std::min(y, u.y);
  return y;
}

std::string Sheet::summary(double width, const char* noun) const {
  // "1 unit", "2 units": the noun is given in the plural.
  std::string counted = std::to_string(units_.size()) + " " + noun;
  if (units_.size() == 1 && counted.back() == 's') counted.pop_back();
  char line[200];
  if (width > 0.0) {
    std::snprintf(line, sizeof line, "sheet %d: %s, used length %.1f mm, utilisation %.1f %%",
                  number_, counted.c_str(), usedLength(), 100.0 * utilisation(width));
  } else {
    std::snprintf(line, sizeof line,
                  "sheet %d: %s, used length %.1f mm, utilisation unknown (no width)", number_,
                  counted.c_str(), usedLength());
  }
  return line;
}
