#include "JigFile.h"

#include <algorithm>
#include <boost/algorithm/string/predicate.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/filesystem.hpp>
#include <boost/property_tree/ptree.hpp>
#include <boost/property_tree/xml_parser.hpp>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "CommandLine.h"
#include "ToolError.h"

namespace pt = boost::property_tree;

namespace {

double number(const pt::ptree& tree, const std::string& path) {
  double out = 0;
  const auto text = tree.get_optional<std::string>(path);
  return text && CommandLine::parseNumber(boost::algorithm::trim_copy(*text), out) ? out : 0.0;
}

// The two numbers of "ddd-ddd", down (after the separator) first; a part
// that is no number counts as 0.
std::pair<long, long> sortKey(const std::string& no) {
  const long across = std::strtol(no.substr(0, 3).c_str(), nullptr, 10);
  const long down = no.size() > 4 ? std::strtol(no.substr(4, 3).c_str(), nullptr, 10) : 0;
  return {down, across};
}

}  // namespace

JigFile JigFile::fromFile(const std::string& path) {
  boost::system::error_code error;
  if (!boost::filesystem::is_regular_file(path, error))
    throw ToolError(ToolError::kUsage, "--jig " + path + ": no such file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  if (!in || !(content << in.rdbuf())) throw ToolError(ToolError::kUsage, path + ": cannot be read");
  pt::ptree root;
  try {
    std::istringstream xml(content.str());
    pt::read_xml(xml, root);
  } catch (const pt::xml_parser_error& e) {
    throw ToolError(ToolError::kUsage, path + " is not a jig file: " + e.message() + " (line " +
                                           std::to_string(e.line()) + ")");
  }
  const auto tree = root.get_child_optional("Jig");
  if (!tree) throw ToolError(ToolError::kUsage, path + " is not a jig file: no <Jig> element");
  JigFile jig;
  jig.text_ = content.str();
  jig.readValues(*tree);
  jig.readPockets(*tree);
  return jig;
}

void JigFile::readValues(const pt::ptree& j) {
  name_ = j.get<std::string>("FileName", "");
  tableWidth_ = number(j, "WholeSizeW");
  tableHeight_ = number(j, "WholeSizeH");
  plateWidth_ = number(j, "JigSizeW");
  plateHeight_ = number(j, "JigSizeH");
  originX_ = number(j, "JigOriginW");
  originY_ = number(j, "JigOriginH");
  deskew_ = number(j, "JigDeskew");
  policy_ = static_cast<int>(number(j, "PositioningPolicy"));
  top_ = number(j, "InvalidPrintArea.Top");
  bottom_ = number(j, "InvalidPrintArea.Bottom");
  left_ = number(j, "InvalidPrintArea.Left");
  right_ = number(j, "InvalidPrintArea.Right");
}

void JigFile::readPockets(const pt::ptree& j) {
  const double x = originX_ + number(j, "FirstOriginW");
  const double y = originY_ + number(j, "FirstOriginH");
  const double w = number(j, "BasePictureSizeW"), h = number(j, "BasePictureSizeH");
  const auto pictures = j.get_child_optional("PictureRectangles");
  if (!pictures) return;
  for (const auto& child : *pictures) {
    if (child.first != "PictureRectangle") continue;
    JigPocket p;
    p.no = child.second.get<std::string>("No", "");
    p.x0 = number(child.second, "OffsetW") + x;
    p.y0 = number(child.second, "OffsetH") + y;
    p.x1 = p.x0 + w;
    p.y1 = p.y0 + h;
    p.used = boost::algorithm::iequals(
        boost::algorithm::trim_copy(child.second.get<std::string>("Use", "")), "true");
    pockets_.push_back(p);
  }
  std::stable_sort(pockets_.begin(), pockets_.end(), [](const JigPocket& a, const JigPocket& b) {
    return sortKey(a.no) < sortKey(b.no);
  });
}

JigPocket JigFile::usableRoom(const JigPocket& p) const {
  JigPocket room = p;
  room.x0 += right_;
  room.x1 -= left_;
  room.y0 += bottom_;
  room.y1 -= top_;
  return room;
}

std::vector<JigPocket> JigFile::usedPockets() const {
  std::vector<JigPocket> used;
  for (const auto& p : pockets_)
    if (p.used) used.push_back(p);
  return used;
}
