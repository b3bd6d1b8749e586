#include "SlitterCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "CutLines.h"
#include "CutLinesOverlay.h"
#include "JobText.h"
#include "LayoutEngine.h"
#include "LogSink.h"
#include "OutputFiles.h"
#include "SheetLayout.h"
#include "SvgPicture.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

const char* const kHelp =
    "usage: jobpos slitter --width W --length L [--gap SCAN,FEED] [--center]\n"
    "                      [--variant N] [--device FILE.xml] --out DIR [--svg FILE]\n"
    "                      [--log LEVEL] JOB.ini...\n"
    "Arranges the jobs for an automatic XY slitter: a layout the slitter cuts with\n"
    "straight cuts through the whole piece, inside the frame its marks need (the\n"
    "primary job's xySlitter keys and the device's XySlitter elements). The\n"
    "primary job is the one the first job names in \"Primary\".\n"
    "  --width, --length  the media in mm (--length -1: an unlimited roll)\n"
    "  --gap SCAN,FEED    mm between units across and along (default 0,0)\n"
    "  --center           centre the layout across the media\n"
    "  --variant N        0 or 1 the standard layout (units turned where the job\n"
    "                     allows it), 2 every unit as the job turned it\n"
    "  --device FILE.xml  device-function parameters (default: the library's)\n"
    "  --svg FILE         also draw every sheet with the slitter's cut lines\n"
    "  --log LEVEL        trace, info or error: show the library's log on stderr\n"
    "Exit status: 0 done, 1 the library refused (nothing written), 2 bad usage or file.\n";

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

SlitterSettings settingsOf(const CommandLine& line) {
  SlitterSettings s;
  s.width = line.number("--width");
  s.length = line.number("--length");
  if (s.width <= 0.0) throw usage("--width must be more than 0 mm");
  if (s.length != -1.0 && s.length <= 0.0)
    throw usage("--length must be more than 0 mm, or -1 for an unlimited roll");
  const auto gap = line.pair("--gap", {0.0, 0.0});
  if (gap.first < 0.0 || gap.second < 0.0) throw usage("--gap must not be negative");
  s.gapScan = gap.first;
  s.gapFeed = gap.second;
  s.centerInScan = line.has("--center");
  const int variant = line.has("--variant") ? line.integer("--variant") : 0;
  if (variant < 0) throw usage("--variant must be 0 or more");
  s.variant = static_cast<unsigned>(variant);
  return s;
}

std::string deviceText(const std::string& path) {
  boost::system::error_code error;
  if (!fs::is_regular_file(path, error)) throw usage("--device " + path + ": no such file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) throw usage("--device " + path + ": cannot be read");
  return text.str();
}

}  // namespace

const char* SlitterCommand::help() { return kHelp; }

int SlitterCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args, {"--width", "--length", "--gap", "--variant", "--device", "--out",
                                "--svg", "--log"},
                         {"--center"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const SlitterSettings settings = settingsOf(line);
  const fs::path outDir = line.text("--out");
  if (line.files().empty()) throw usage("slitter needs at least one job file");
  const std::vector<JobText> jobs = JobText::fromFiles(line.files(), outDir.string());
  const std::string device = line.has("--device") ? deviceText(line.text("--device")) : "";

  LayoutEngine engine;
  for (const auto& job : jobs) engine.addJob(job.text());
  if (line.has("--device")) engine.addDeviceFunctionParam(device);
  engine.slitter(settings);
  const std::vector<std::string> texts = engine.jobTexts();

  OutputFiles outputs;
  std::vector<JobText> arranged;
  for (size_t i = 0; i < texts.size(); ++i) {
    const fs::path target = outDir / fs::path(jobs[i].origin()).filename();
    arranged.emplace_back(target.string(), texts[i], ToolError::kLibraryFalse);
    outputs.add(target, texts[i]);
  }
  const SheetLayout layout(arranged);
  const CutLinesOverlay cuts;
  if (line.has("--svg"))
    outputs.add(line.text("--svg"),
                SvgPicture(settings.width, settings.length, &cuts).render(layout));
  outputs.commit();

  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  for (const auto& sheet : layout.sheets()) {
    const CutLines sheetCuts(sheet, 0.0, 0.0, settings.width, sheet.usedLength());
    std::printf("%s, %zu cuts\n", sheet.summary(settings.width).c_str(), sheetCuts.lines().size());
  }
  if (layout.sheets().empty()) std::printf("no arranged units in the returned jobs\n");
  std::printf("%zu job texts written to %s\n", texts.size(), outDir.string().c_str());
  if (line.has("--svg")) std::printf("picture written to %s\n", line.text("--svg").c_str());
  return 0;
}
