#include "LayoutReport.h"

#include "JsonWriter.h"
#include "ToolError.h"

namespace {

void writeUnit(JsonWriter& j, const PlacedUnit& u, int sheet) {
  j.beginObject()
      .key("job").value(u.jobId)
      .key("section").value(u.section)
      .key("sheet").value(sheet)
      .key("x").value(u.x)
      .key("y").value(u.y)
      .key("width").value(u.width)
      .key("height").value(u.height)
      .key("turn").value(u.rotation)
      .key("copy").value(u.copy)
      .key("page").value(u.page);
  if (u.tileScan > 0 && u.tileFeed > 0)
    j.key("tile").beginArray().value(u.tileScan).value(u.tileFeed).endArray();
  j.endObject();
}

void writeLength(JsonWriter& j, double length) {
  if (length > 0.0) j.value(length);
  else j.null();
}

void writeWarning(JsonWriter& j, const LayoutWarning& w) {
  j.beginObject()
      .key("check").value(LayoutWarning::name(w.kind))
      .key("sheet").value(w.sheet)
      .key("job").value(w.unit->jobId)
      .key("section").value(w.unit->section);
  if (w.other) j.key("otherJob").value(w.other->jobId).key("otherSection").value(w.other->section);
  j.key("x").value(w.x).key("y").value(w.y).key("width").value(w.width)
      .key("height").value(w.height).key("message").value(w.message).endObject();
}

}  // namespace

LayoutReport::LayoutReport(const SheetLayout& layout, const SheetMedia& media)
    : layout_(layout), media_(media), check_(layout, media) {}

double LayoutReport::totalUsedLength() const {
  double total = 0.0;
  for (const auto& s : layout_.sheets()) total += s.usedLength();
  return total;
}

double LayoutReport::overallUtilisation() const {
  double area = 0.0;
  for (const auto& s : layout_.sheets()) area += s.unitArea(media_.width);
  const double media = media_.width * totalUsedLength();
  return media > 0.0 ? area / media : 0.0;
}

std::string LayoutReport::totalLine() const {
  char line[200];
  const size_t sheets = layout_.sheets().size();
  const size_t units = layout_.unitCount();
  std::snprintf(line, sizeof line,
                "total: %zu sheet%s, %zu unit%s, used length %.1f mm, utilisation %.1f %%", sheets,
                sheets == 1 ? "" : "s", units, units == 1 ? "" : "s", totalUsedLength(),
                100.0 * overallUtilisation());
  return line;
}

std::string LayoutReport::json(const std::string& command, const SheetRect* rect) const {
  JsonWriter j;
  j.beginObject().key("command").value(command);
  j.key("media").beginObject().key("width").value(media_.width).key("length");
  writeLength(j, media_.length);
  if (media_.twin())
    j.key("twin").beginObject().key("secondRollStart").value(media_.twinStart)
        .key("firstRollWidth").value(media_.firstRoll).endObject();
  j.endObject();
  if (rect)
    j.key("rectangle").beginObject().key("x").value(rect->x).key("y").value(rect->y)
        .key("width").value(rect->width).key("height").value(rect->height).endObject();
  j.key("sheets").beginArray();
  for (const auto& s : layout_.sheets()) {
    j.beginObject().key("number").value(s.number()).key("width").value(media_.width)
        .key("length");
    writeLength(j, media_.length);
    j.key("usedLength").value(s.usedLength()).key("utilisation").value(s.utilisation(media_.width))
        .key("units").beginArray();
    for (const auto& u : s.units()) writeUnit(j, u, s.number());
    j.endArray().endObject();
  }
  j.endArray();
  j.key("total").beginObject().key("sheets").value(static_cast<int>(layout_.sheets().size()))
      .key("units").value(static_cast<int>(layout_.unitCount()))
      .key("usedLength").value(totalUsedLength())
      .key("utilisation").value(overallUtilisation()).endObject();
  j.key("warnings").beginArray();
  for (const auto& w : check_.warnings()) writeWarning(j, w);
  j.endArray().endObject();
  return j.text();
}

void LayoutReport::printWarnings() const {
  for (const auto& w : check_.warnings())
    std::fprintf(stderr, "jobpos: layout: %s: %s\n", LayoutWarning::name(w.kind),
                 w.message.c_str());
}

int LayoutReport::status(bool allowWarnings) const {
  return check_.warnings().empty() || allowWarnings ? 0 : ToolError::kNeedsAttention;
}

bool LayoutReport::jsonToStdout(const CommandLine& line) {
  return line.has("--json") && line.text("--json") == "-";
}

std::FILE* LayoutReport::linesTo(const CommandLine& line) {
  return jsonToStdout(line) ? stderr : stdout;
}
