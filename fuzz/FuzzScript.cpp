#include "FuzzScript.h"

#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> wordsOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

}  // namespace

bool FuzzScript::isBlock(const std::string& name, size_t wordCount) {
  if (name == "job" || name == "vdp") return wordCount == 1;
  return wordCount == 0 &&
         (name == "device" || name == "optiscout" || name == "jigparam" || name == "jigtext");
}

FuzzScript::FuzzScript(const std::string& input) {
  std::istringstream in(input);
  Call* block = nullptr;
  for (std::string line; std::getline(in, line);) {
    if (block != nullptr) {
      if (line == "end") block = nullptr;
      else block->text += line.substr(line.compare(0, 2, "  ") == 0 ? 2 : 0) + "\n";
      continue;
    }
    std::vector<std::string> words = wordsOf(line);
    if (words.empty() || words[0][0] == '#') continue;
    Call call{words[0], std::vector<std::string>(words.begin() + 1, words.end()), ""};
    const bool opensBlock = isBlock(call.name, call.words.size());
    calls_.push_back(std::move(call));
    if (opensBlock) block = &calls_.back();
  }
}

double FuzzScript::number(const std::vector<std::string>& words, size_t i) {
  return i < words.size() ? std::strtod(words[i].c_str(), nullptr) : 0.0;
}

long FuzzScript::integer(const std::vector<std::string>& words, size_t i) {
  return i < words.size() ? std::strtol(words[i].c_str(), nullptr, 10) : 0;
}

bool FuzzScript::flag(const std::vector<std::string>& words, size_t i) {
  return i < words.size() && (words[i] == "true" || words[i] == "1");
}

std::vector<std::string> FuzzScript::initArguments(const std::vector<std::string>& words) {
  static const char* const keys[] = {"kind", "gapScan", "gapFeed", "center", "width", "length"};
  std::vector<std::string> arguments(8);
  for (const std::string& word : words) {
    const size_t eq = word.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = word.substr(0, eq), value = word.substr(eq + 1);
    for (size_t k = 0; k < 6; ++k)
      if (key == keys[k]) arguments[k] = value;
    if (key == "twin") {
      const size_t comma = value.find(',');
      arguments[6] = value.substr(0, comma);
      if (comma != std::string::npos) arguments[7] = value.substr(comma + 1);
    }
  }
  return arguments;
}
