#include "ShowCommand.h"

#include <algorithm>
#include <cstdio>

#include "CommandLine.h"
#include "JobText.h"
#include "OutputFiles.h"
#include "SheetLayout.h"
#include "SvgPicture.h"
#include "ToolError.h"

int ShowCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args, {"--width", "--svg"}, {});
  const std::string svg = line.text("--svg");
  double width = line.number("--width", 0.0);
  if (line.has("--width") && width <= 0.0)
    throw ToolError(ToolError::kUsage, "--width must be more than 0 mm");
  if (line.files().empty()) throw ToolError(ToolError::kUsage, "show needs at least one job file");

  std::vector<JobText> jobs;
  for (const auto& file : line.files()) jobs.push_back(JobText::fromFile(file));
  const SheetLayout layout(jobs);

  // The width: as given, else as an arrangement recorded it, else as far
  // as the units reach.
  if (width <= 0.0) width = layout.recordedWidth();
  if (width <= 0.0) {
    for (const auto& s : layout.sheets())
      for (const auto& u : s.units()) width = std::max(width, u.x + u.width);
    if (width > 0.0)
      std::fprintf(stderr,
                   "jobpos: note: the jobs record no printable width; drawn %.1f mm wide, as "
                   "far as the units reach (give --width)\n",
                   width);
  }

  OutputFiles outputs;
  outputs.add(svg, SvgPicture(width, layout.recordedLength()).render(layout));
  outputs.commit();

  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  for (const auto& sheet : layout.sheets()) std::printf("%s\n", sheet.summary(width).c_str());
  if (layout.sheets().empty()) std::printf("no arranged units in these jobs\n");
  std::printf("picture written to %s\n", svg.c_str());
  return 0;
}
