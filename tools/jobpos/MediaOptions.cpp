#include "MediaOptions.h"

#include "KindTable.h"
#include "LayoutCheck.h"
#include "SvgText.h"
#include "ToolError.h"

namespace {

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

}  // namespace

MediaSettings MediaOptions::read(const CommandLine& line) {
  MediaSettings media;
  media.kind = line.integer("--kind");
  media.width = line.number("--width");
  if (media.width <= 0.0) throw usage("--width must be more than 0 mm");
  media.length = line.number("--length");
  if (media.length != -1.0 && media.length <= 0.0)
    throw usage("--length must be more than 0 mm, or -1 for an unlimited roll");
  const auto gap = line.pair("--gap", {0.0, 0.0});
  if (gap.first < 0.0 || gap.second < 0.0) throw usage("--gap must not be negative");
  media.gapScan = gap.first;
  media.gapFeed = gap.second;
  const auto twin = line.pair("--twin", {0.0, 0.0});
  if (twin.first < 0.0 || twin.second < 0.0) throw usage("--twin must not be negative");
  if (twin.first > 0.0 && twin.second > twin.first)
    throw usage("--twin: the first roll (" + SvgText::oneDecimal(twin.second) +
                " mm wide) is wider than where the second roll starts (" +
                SvgText::oneDecimal(twin.first) + " mm)");
  if (twin.first >= media.width)
    throw usage("--twin: the second roll starts at " + SvgText::oneDecimal(twin.first) +
                " mm, not within the " + SvgText::oneDecimal(media.width) + " mm width");
  media.twinWidth1 = twin.first;
  media.twinWidth2 = twin.second;
  media.centerInScan = line.has("--center");
  return media;
}

SheetMedia MediaOptions::sheetOf(const MediaSettings& media) {
  SheetMedia sheet;
  sheet.width = media.width;
  sheet.length = media.length;
  if (KindTable::usesTwinRolls(media.kind) && media.twinWidth1 > 0.0) {
    sheet.twinStart = media.twinWidth1;
    sheet.firstRoll = media.twinWidth2;
  }
  return sheet;
}

MediaSettings MediaOptions::readFor(const CommandLine& line, KindFamily family,
                                    const char* takes) {
  const MediaSettings media = read(line);
  const KindRow* kind = KindTable::find(media.kind);
  if (kind == nullptr || kind->family != family)
    throw usage(std::string(takes) + " " + KindTable::spoken(family) + ", not " +
                std::to_string(media.kind));
  return media;
}
