#include "ReadCommand.h"

#include <boost/filesystem.hpp>
#include <cstdio>
#include <set>

#include "CommandLine.h"
#include "JobText.h"
#include "LayoutEngine.h"
#include "LogSink.h"
#include "OutputFiles.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

std::string ReadCommand::help() {
  return "usage: jobpos read --out DIR [--log LEVEL] JOB.ini...\n"
         "Hands each job file to the library and writes the text the library hands\n"
         "back into DIR under the file's name: an older job file comes back raised to\n"
         "the current version, with every key the library knows.\n"
         "  --out DIR          where the texts go\n"
         "  --log LEVEL        trace, info or error: show the library's log on stderr\n"
         "Exit status: 0 done, 1 the library refused, 2 bad usage or file (a job the\n"
         "library cannot read, with its error record); nothing is written unless all\n"
         "went well.\n";
}

int ReadCommand::run(const std::vector<std::string>& args) {
  const CommandLine line(args, {"--out", "--log"}, {});
  if (line.has("--log")) LogSink::install(line.text("--log"));
  const fs::path outDir = line.text("--out");
  if (line.files().empty()) throw ToolError(ToolError::kUsage, "read needs at least one job file");
  std::vector<JobText> jobs;
  for (const auto& file : line.files()) jobs.push_back(JobText::fromFile(file));

  LayoutEngine engine;
  engine.addJobs(jobs);
  const std::vector<std::string> texts = engine.jobTexts();

  OutputFiles outputs;
  std::vector<fs::path> targets;
  for (size_t i = 0; i < texts.size() && i < jobs.size(); ++i) {
    targets.push_back(outDir / fs::path(jobs[i].origin()).filename());
    outputs.add(targets.back(), texts[i]);
  }
  outputs.commit();
  for (size_t i = 0; i < targets.size(); ++i)
    std::printf("%s: %zu bytes\n", targets[i].string().c_str(), texts[i].size());
  return 0;
}
