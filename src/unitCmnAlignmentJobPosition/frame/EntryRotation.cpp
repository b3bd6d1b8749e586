#include "unitCmnAlignmentJobPosition/frame/EntryRotation.h"

#include <utility>

namespace {

void quarterTurn(ArrangeEntry& e, uint32_t degrees) {
  e.Rotation = (e.Rotation + degrees) % 360;
  if (e.Rotation >= 180) e.Rotation = (e.Rotation + 180) % 360;
  if (!e.KeepExtraHeight) {
    std::swap(e.MmWidth, e.MmHeight);
    return;
  }
  const double width = e.MmWidth;
  e.MmWidth = e.MmHeight - e.ExtraHeight;
  e.MmHeight = width + e.ExtraHeight;
}

}  // namespace

void EntryRotation::rotate90(ArrangeEntry& e) { quarterTurn(e, 90); }

void EntryRotation::rotate270(ArrangeEntry& e) { quarterTurn(e, 270); }

void EntryRotation::turn(ArrangeEntry& e) {
  if (e.Rotation != 0) rotate270(e);
  else rotate90(e);
}

void EntryRotation::turnBack(ArrangeEntry& e) {
  // turn() left the rotation at 90 (from 0) or 0 (from anything else).
  if (e.Rotation != 0) rotate270(e);
  else rotate90(e);
}

std::vector<ArrangeEntry> EntryRotation::rotateLandscape(std::vector<ArrangeEntry> entries,
                                                         const specialityType::DimDouble& area) {
  for (auto& e : entries) {
    if (e.RotationFixed || e.noRotation()) continue;
    const bool upright = e.MmHeight - e.ExtraHeight > e.MmWidth - e.ExtraWidth;
    if (upright ? area.width >= e.MmHeight : e.MmWidth > area.width) rotate90(e);
  }
  return entries;
}

std::vector<ArrangeEntry> EntryRotation::resetRotation(std::vector<ArrangeEntry> entries) {
  for (auto& e : entries) {
    if (e.Rotation == 180) e.Rotation = 0;
    else if (e.Rotation == 90 || e.Rotation == 270) rotate270(e);
  }
  return entries;
}
