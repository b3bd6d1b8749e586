// A jig parameter file as jobpos draws it: the table, the plate, every
// pocket and what places images in them. Read with Boost.PropertyTree's
// XML reader. A missing or unreadable value counts as 0 here; whether the
// jig can be used is the library's to say.
#pragma once

#include <boost/property_tree/ptree_fwd.hpp>
#include <string>
#include <vector>

struct JigPocket {
  std::string no;  // "ddd-ddd"
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // unturned box on the table, mm
  bool used = false;
};

class JigFile {
 public:
  // Reads a file; throws ToolError(2) when it is missing, unreadable, not
  // XML or has no "Jig" root.
  static JigFile fromFile(const std::string& path);

  const std::string& text() const { return text_; }
  const std::string& name() const { return name_; }
  double tableWidth() const { return tableWidth_; }
  double tableHeight() const { return tableHeight_; }
  double plateWidth() const { return plateWidth_; }
  double plateHeight() const { return plateHeight_; }
  double originX() const { return originX_; }
  double originY() const { return originY_; }
  double deskew() const { return deskew_; }  // degrees
  int policy() const { return policy_; }
  // The pocket less the invalid print area: x0 side + Right, x1 side −
  // Left, y0 side + Bottom, y1 side − Top.
  JigPocket usableRoom(const JigPocket& pocket) const;
  // Every pocket, in the order the jig fills them (down, then across).
  const std::vector<JigPocket>& pockets() const { return pockets_; }
  // The used pockets in that order.
  std::vector<JigPocket> usedPockets() const;

 private:
  void readValues(const boost::property_tree::ptree& jig);
  // The picture rectangles as pockets, sorted by "No": the number after
  // the separator (down) first, then the one before it (across).
  void readPockets(const boost::property_tree::ptree& jig);

  std::string text_, name_;
  double tableWidth_ = 0, tableHeight_ = 0, plateWidth_ = 0, plateHeight_ = 0;
  double originX_ = 0, originY_ = 0, deskew_ = 0;
  double top_ = 0, bottom_ = 0, left_ = 0, right_ = 0;
  int policy_ = 0;
  std::vector<JigPocket> pockets_;
};
