#include "JigCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "CommandLine.h"
#include "JigFile.h"
#include "JigLayout.h"
#include "JigPicture.h"
#include "JobText.h"
#include "LayoutEngine.h"
#include "LogSink.h"
#include "OutputFiles.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

// "--vdp ID=FILE.xml" values as key and XML text, each key once.
std::map<std::string, std::string> variableData(const std::vector<std::string>& values) {
  std::map<std::string, std::string> data;
  for (const std::string& value : values) {
    const size_t equals = value.find('=');
    if (equals == 0 || equals == std::string::npos || equals + 1 == value.size())
      throw usage("--vdp: '" + value + "' is not ID=FILE.xml");
    const std::string key = value.substr(0, equals), path = value.substr(equals + 1);
    boost::system::error_code error;
    if (!fs::is_regular_file(path, error)) throw usage("--vdp " + path + ": no such file");
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) throw usage("--vdp " + path + ": cannot be read");
    if (!data.emplace(key, text.str()).second) throw usage("--vdp: " + key + " is given twice");
  }
  return data;
}

std::string fillingLine(const JigFilling& f, size_t pockets) {
  std::map<std::string, int> perJob;
  for (const auto& image : f.images) ++perJob[image.job];
  std::string jobs;
  for (const auto& entry : perJob)
    jobs += (jobs.empty() ? "" : ", ") + entry.first + " " + std::to_string(entry.second);
  const size_t n = f.images.size();
  return "filling " + std::to_string(f.number) + ": " + std::to_string(n) +
         (n == 1 ? " image" : " images") + " in " + std::to_string(pockets) + " pockets (" + jobs +
         ")";
}

}  // namespace

std::string JigCommand::help() {
  return "usage: jobpos jig --jig FILE.xml --target ID [--vdp ID=FILE.xml ...] --out DIR\n"
         "                  [--svg FILE] [--allow-warnings] [--log LEVEL] JOB.ini...\n"
         "Places the images of the target job's members into the pockets of a flatbed\n"
         "jig and writes every job back into DIR under its file name.\n"
         "  --jig FILE.xml     the jig parameters (XML, root <Jig>)\n"
         "  --target ID        the JobID of the job to place; its Primary lists the members\n"
         "  --vdp ID=FILE.xml  variable data of member ID (give once per member)\n"
         "  --out DIR          where the placed job texts go\n"
         "  --svg FILE         also draw the jig with every filling\n"
         "  --allow-warnings   exit 0 even when an image runs outside its pocket\n"
         "  --log LEVEL        trace, info or error: show the library's log on stderr\n"
         "Exit status: 0 done, 1 the library refused (nothing written), 2 bad usage or\n"
         "file, 3 written but an image runs outside its pocket (listed on stderr).\n";
}

int JigCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args, {"--jig", "--target", "--out", "--svg", "--log"},
                         {"--allow-warnings"}, {"--vdp"});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const JigFile jig = JigFile::fromFile(line.text("--jig"));
  const std::string target = line.text("--target");
  const fs::path outDir = line.text("--out");
  const auto data = variableData(line.all("--vdp"));
  if (line.files().empty()) throw usage("jig needs at least one job file");
  const std::vector<JobText> jobs = JobText::fromFiles(line.files(), outDir.string());

  LayoutEngine engine;
  engine.addJobs(jobs);
  for (const auto& entry : data) engine.addVariableData(entry.first, entry.second);
  engine.arrangeJig(jig.text(), target);
  const std::vector<std::string> texts = engine.jobTexts();
  OutputFiles outputs;
  std::vector<JobText> placed;
  for (size_t i = 0; i < texts.size() && i < jobs.size(); ++i) {
    const fs::path file = outDir / fs::path(jobs[i].origin()).filename();
    placed.emplace_back(file.string(), texts[i], ToolError::kLibraryFalse);
    outputs.add(file, texts[i]);
  }
  const JigLayout layout(jig, placed, target);
  if (line.has("--svg")) outputs.add(line.text("--svg"), JigPicture(jig, layout).render());
  outputs.commit();

  for (const auto& warning : layout.warnings())
    std::fprintf(stderr, "jobpos: warning: %s\n", warning.c_str());
  const size_t pockets = jig.usedPockets().size();
  std::printf("jig \"%s\": %zu pockets, %zu in use, deskew %.3f°, positioning policy %d\n",
              jig.name().c_str(), jig.pockets().size(), pockets, jig.deskew(), jig.policy());
  for (const auto& filling : layout.fillings())
    std::printf("%s\n", fillingLine(filling, pockets).c_str());
  std::printf("%zu job texts written to %s\n", texts.size(), outDir.string().c_str());
  if (line.has("--svg")) std::printf("picture written to %s\n", line.text("--svg").c_str());
  return layout.warnings().empty() || line.has("--allow-warnings") ? 0
                                                                    : ToolError::kNeedsAttention;
}
