#include "ArrangeCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "CutLinesOverlay.h"
#include "JobText.h"
#include "LayoutEngine.h"
#include "LogSink.h"
#include "MediaOptions.h"
#include "OutputFiles.h"
#include "SheetLayout.h"
#include "SvgPicture.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

const char* const kJobPositionKinds = "0-5, 9-12";

bool isJobPositionKind(int kind) { return (kind >= 0 && kind <= 5) || (kind >= 9 && kind <= 12); }

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

// A parameter file's whole text.
std::string parameterText(const std::string& option, const std::string& path) {
  boost::system::error_code error;
  if (!fs::is_regular_file(path, error))
    throw usage(option + " " + path + ": no such file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) throw usage(option + " " + path + ": cannot be read");
  return text.str();
}

MediaSettings mediaOf(const CommandLine& line) {
  const MediaSettings media = MediaOptions::read(line);
  if (media.kind < 0 || media.kind > 30)
    throw usage("unknown kind " + std::to_string(media.kind) +
                ": the library's kinds are 0-30, the job-position kinds " + kJobPositionKinds);
  return media;
}

}  // namespace

int ArrangeCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args,
                         {"--kind", "--width", "--length", "--gap", "--twin", "--offset",
                          "--device", "--optiscout", "--out", "--svg", "--log"},
                         {"--center"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const MediaSettings media = mediaOf(line);
  const double positionOffset = line.number("--offset", 0.0);
  const fs::path outDir = line.text("--out");
  if (line.files().empty()) throw usage("arrange needs at least one job file");

  // Everything is read and checked before the library sees anything.
  const std::vector<JobText> jobs = JobText::fromFiles(line.files(), outDir.string());
  const std::string device =
      line.has("--device") ? parameterText("--device", line.text("--device")) : "";
  const std::string optiScout =
      line.has("--optiscout") ? parameterText("--optiscout", line.text("--optiscout")) : "";
  if (!isJobPositionKind(media.kind))
    std::fprintf(stderr,
                 "jobpos: note: kind %d is not a job-position kind (%s); the library may leave "
                 "the jobs unarranged\n",
                 media.kind, kJobPositionKinds);

  LayoutEngine engine;
  engine.init(media);
  for (const auto& job : jobs) engine.addJob(job.text());
  if (line.has("--device")) engine.addDeviceFunctionParam(device);
  if (line.has("--optiscout")) engine.addOptiScoutCutConditions(optiScout);
  const SheetRect rect = engine.arrange(positionOffset);
  const std::vector<std::string> texts = engine.jobTexts();
  if (texts.size() != jobs.size())
    throw ToolError(ToolError::kLibraryFalse,
                    "the library handed back " + std::to_string(texts.size()) + " jobs for " +
                        std::to_string(jobs.size()) + " job files");

  OutputFiles outputs;
  std::vector<JobText> arranged;
  for (size_t i = 0; i < texts.size(); ++i) {
    const fs::path target = outDir / fs::path(jobs[i].origin()).filename();
    arranged.emplace_back(target.string(), texts[i], ToolError::kLibraryFalse);
    outputs.add(target, texts[i]);
  }
  const SheetLayout layout(arranged);
  // The Fotoba kind's layout is drawn with the trimmer's cut lines.
  const CutLinesOverlay cuts;
  const PictureOverlay* overlay = media.kind == 4 ? &cuts : nullptr;
  if (line.has("--svg"))
    outputs.add(line.text("--svg"), SvgPicture(media.width, media.length, overlay).render(layout));
  outputs.commit();

  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  std::printf("rectangle of sheet 1: x=%.3f y=%.3f width=%.3f height=%.3f mm\n", rect.x, rect.y,
              rect.width, rect.height);
  for (const auto& sheet : layout.sheets()) std::printf("%s\n", sheet.summary(media.width).c_str());
  if (layout.sheets().empty()) std::printf("no arranged units in the returned jobs\n");
  std::printf("%zu job texts written to %s\n", texts.size(), outDir.string().c_str());
  if (line.has("--svg")) std::printf("picture written to %s\n", line.text("--svg").c_str());
  return 0;
}
