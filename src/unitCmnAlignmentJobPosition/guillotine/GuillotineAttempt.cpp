#include "unitCmnAlignmentJobPosition/guillotine/GuillotineAttempt.h"

GuillotineAttempt::GuillotineAttempt(const std::vector<GuillotineItem>& items, double width,
                                     double length)
    : items_(&items), width_(width), sheetLength_(length) {}

void GuillotineAttempt::run(const std::vector<std::size_t>& order, const Rules& rules) {
  GuillotineSheet sheet(width_, sheetLength_);
  placed_.clear();
  area_ = 0.0;
  for (std::size_t k : order) {
    const GuillotineItem& item = (*items_)[k];
    GuillotineSheet::Fit fit;
    if (!sheet.find(item.w, item.h, item.tw, item.th, item.turnable, rules.choice, fit)) continue;
    const double w = fit.turned ? item.tw : item.w;
    const double h = fit.turned ? item.th : item.h;
    const GuillotineSheet::Rect at = sheet.place(fit, w, h, rules.split);
    GuillotinePlace place;
    place.x = at.x;
    place.y = at.y;
    place.turned = fit.turned;
    placed_.emplace_back(k, place);
    area_ += w * h;
  }
  length_ = sheet.usedLength();
}

bool GuillotineAttempt::betterThan(const GuillotineAttempt& other) const {
  const double tolerance = 1e-9 * (area_ + other.area_);
  if (area_ > other.area_ + tolerance) return true;
  if (area_ < other.area_ - tolerance) return false;
  return length_ < other.length_ - 0.001;
}
