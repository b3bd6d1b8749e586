#include "JigPicture.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "SvgText.h"

namespace {

const char* const kWarning = "#cc0000";

const auto num = SvgText::num;
const auto escaped = SvgText::escaped;

std::string box(double x, double y, double w, double h) {
  return "x=\"" + num(x) + "\" y=\"" + num(y) + "\" width=\"" + num(std::max(w, 0.0)) +
         "\" height=\"" + num(std::max(h, 0.0)) + "\"";
}

}  // namespace

JigPicture::JigPicture(const JigFile& jig, const JigLayout& layout) : jig_(jig), layout_(layout) {}

std::string JigPicture::turn() const {
  return "rotate(" + num(-jig_.deskew()) + " " + num(jig_.originX()) + " " +
         num(jig_.originY()) + ")";
}

void JigPicture::drawPockets(std::ostream& out, const Metrics& m) const {
  if (jig_.plateWidth() > 0 && jig_.plateHeight() > 0)
    out << "<rect class=\"plate\" " << box(jig_.originX(), jig_.originY(), jig_.plateWidth(),
                                           jig_.plateHeight())
        << " fill=\"#d9d4c7\" stroke=\"#6b6455\" stroke-width=\"" << num(m.stroke * 2)
        << "\"/>\n";
  for (const JigPocket& p : jig_.pockets()) {
    out << "<rect class=\"pocket" << (p.used ? "" : " unused") << "\" data-no=\""
        << escaped(p.no) << "\" " << box(p.x0, p.y0, p.x1 - p.x0, p.y1 - p.y0) << " fill=\""
        << (p.used ? "#ffffff" : "#b8b8b8") << "\" stroke=\"#333333\" stroke-width=\""
        << num(m.stroke * (p.used ? 1.5 : 0.7)) << "\"/>\n";
    const JigPocket room = jig_.usableRoom(p);
    if (p.used && (room.x0 != p.x0 || room.x1 != p.x1 || room.y0 != p.y0 || room.y1 != p.y1))
      out << "<rect class=\"usable\" " << box(room.x0, room.y0, room.x1 - room.x0, room.y1 - room.y0)
          << " fill=\"none\" stroke=\"#888888\" stroke-width=\"" << num(m.stroke)
          << "\" stroke-dasharray=\"" << num(m.font * 0.3) << "," << num(m.font * 0.2) << "\"/>\n";
  }
}

void JigPicture::drawPocketNumbers(std::ostream& out, const Metrics& m) const {
  for (const JigPocket& p : jig_.pockets())
    out << "<text class=\"pocket-no\" x=\"" << num(p.x0) << "\" y=\"" << num(p.y0 - m.font * 0.2)
        << "\" font-size=\"" << num(m.font * 0.6) << "\" fill=\"#555555\">" << escaped(p.no)
        << "</text>\n";
}

void JigPicture::drawImage(std::ostream& out, const JigImage& i, const Metrics& m) const {
  const size_t colour = static_cast<size_t>(i.jobIndex);
  const bool outside = i.outside > 0.0;
  out << "<rect class=\"image" << (outside ? " outside" : "") << "\" data-job=\""
      << escaped(i.job) << "\" data-row=\"" << i.row << "\" data-page=\"" << i.page
      << "\" data-copy=\"" << i.copy << "\" " << box(i.x, i.y, i.width, i.height) << " fill=\""
      << SvgText::fill(colour) << "\" fill-opacity=\"0.85\" stroke=\""
      << (outside ? kWarning : SvgText::line(colour)) << "\" stroke-width=\""
      << num(m.stroke * (outside ? 3 : 1.5)) << "\"><title>"
      << escaped(i.job + " row " + std::to_string(i.row) + " page " + std::to_string(i.page) +
                 " in pocket " + i.pocket.no + "; " + i.section)
      << "</title></rect>\n";
  const double size = std::min(m.font, i.width / 6);
  out << "<text class=\"label\" x=\"" << num(i.x + i.width / 2) << "\" y=\""
      << num(i.y + i.height / 2) << "\" font-size=\"" << num(size)
      << "\" text-anchor=\"middle\">" << escaped(i.job) << "</text>\n"
      << "<text class=\"label\" x=\"" << num(i.x + i.width / 2) << "\" y=\""
      << num(i.y + i.height / 2 + size * 1.2) << "\" font-size=\"" << num(size * 0.8)
      << "\" text-anchor=\"middle\">row " << i.row << (i.page > 1 ? " · page " : "")
      << (i.page > 1 ? std::to_string(i.page) : "") << "</text>\n";
  if (outside)
    out << "<text class=\"warning\" x=\"" << num(i.x + i.width / 2) << "\" y=\""
        << num(i.y + size * 1.4) << "\" font-size=\"" << num(size) << "\" fill=\"" << kWarning
        << "\" text-anchor=\"middle\" font-weight=\"bold\">⚠ " << SvgText::oneDecimal(i.outside)
        << " mm outside</text>\n";
}

void JigPicture::drawOrigin(std::ostream& out, const Metrics& m) const {
  const double x = jig_.originX(), y = jig_.originY(), r = m.font * 0.5, arm = m.font * 4;
  out << "<g class=\"origin\" stroke=\"#000000\" stroke-width=\"" << num(m.stroke * 1.5)
      << "\">\n<circle cx=\"" << num(x) << "\" cy=\"" << num(y) << "\" r=\"" << num(r)
      << "\" fill=\"none\"/>\n<line x1=\"" << num(x) << "\" y1=\"" << num(y) << "\" x2=\""
      << num(x + arm) << "\" y2=\"" << num(y) << "\" stroke-dasharray=\"" << num(m.font * 0.3)
      << "," << num(m.font * 0.2) << "\"/>\n<line x1=\"" << num(x) << "\" y1=\"" << num(y)
      << "\" x2=\"" << num(x + arm) << "\" y2=\"" << num(y) << "\" transform=\"" << turn()
      << "\"/>\n<text x=\"" << num(x + r * 1.4) << "\" y=\"" << num(y - r * 1.2) << "\" font-size=\""
      << num(m.font * 0.7) << "\" stroke=\"none\">jig origin ("
      << num(x) << ", " << num(y) << ") · deskew " << num(jig_.deskew())
      << "°</text>\n</g>\n";
}

void JigPicture::drawFilling(std::ostream& out, const JigFilling& f, const Metrics& m) const {
  const size_t n = f.images.size();
  const std::string caption = "Filling " + std::to_string(f.number) + " of " +
                              std::to_string(layout_.fillings().size()) + " — " +
                              std::to_string(n) + (n == 1 ? " image" : " images") + " · jig \"" +
                              jig_.name() + "\" · policy " + std::to_string(jig_.policy());
  out << "<text class=\"caption\" x=\"0\" y=\"" << num(-m.font * 1.2) << "\" font-size=\""
      << num(m.font) << "\" font-weight=\"bold\">" << escaped(caption) << "</text>\n"
      << "<rect class=\"table\" " << box(0, 0, m.width, m.height)
      << " fill=\"#f8f9fa\" stroke=\"#333333\" stroke-width=\"" << num(m.stroke * 2) << "\"/>\n"
      << "<g class=\"jig\" transform=\"" << turn() << "\">\n";
  drawPockets(out, m);
  for (const JigImage& image : f.images) drawImage(out, image, m);
  drawPocketNumbers(out, m);
  out << "</g>\n";
  drawOrigin(out, m);
}

double JigPicture::drawLegend(std::ostream& out, double top, const Metrics& m) const {
  std::map<int, size_t> images;
  for (const auto& f : layout_.fillings())
    for (const auto& i : f.images) ++images[i.jobIndex];
  const double line = m.font * 1.5;
  double y = top;
  out << "<g class=\"legend\" font-size=\"" << num(m.font * 0.9) << "\">\n<text x=\"0\" y=\""
      << num(y) << "\" font-weight=\"bold\">Legend</text>\n";
  auto item = [&](const std::string& swatch, const std::string& text) {
    y += line;
    out << "<g transform=\"translate(0," << num(y - m.font * 0.8) << ")\">" << swatch
        << "<text x=\"" << num(m.font * 1.6) << "\" y=\"" << num(m.font * 0.8) << "\">"
        << escaped(text) << "</text></g>\n";
  };
  const std::string square = box(0, 0, m.font, m.font);
  for (const auto& entry : images)
    item("<rect " + square + " fill=\"" + SvgText::fill(static_cast<size_t>(entry.first)) +
             "\" stroke=\"" + SvgText::line(static_cast<size_t>(entry.first)) + "\"/>",
         layout_.jobIds()[static_cast<size_t>(entry.first)] + " — " +
             std::to_string(entry.second) + " images");
  item("<rect " + square + " fill=\"#ffffff\" stroke=\"#333333\"/>",
       "pocket in use (dashed: its room less the invalid print area)");
  item("<rect " + square + " fill=\"#b8b8b8\" stroke=\"#333333\"/>", "pocket not in use");
  item("<rect " + square + " fill=\"#ffffff\" stroke=\"" + kWarning + "\" stroke-width=\"" +
           num(m.stroke * 3) + "\"/>",
       "image that runs outside its pocket");
  item("<line x1=\"0\" y1=\"" + num(m.font / 2) + "\" x2=\"100\" y2=\"" + num(m.font / 2) +
           "\" stroke=\"#000000\" stroke-width=\"" + num(m.stroke * 2) + "\"/>",
       "");
  out << "<text x=\"" << num(100 + m.font * 0.6) << "\" y=\"" << num(y)
      << "\">100 mm (drawn to scale)</text>\n";
  item("", "Plate, pockets and images are turned by the deskew about the jig origin.");
  out << "</g>\n";
  return y;
}

std::string JigPicture::render() const {
  Metrics m;
  m.width = jig_.tableWidth();
  m.height = jig_.tableHeight();
  for (const JigPocket& p : jig_.pockets()) {
    m.width = std::max(m.width, p.x1);
    m.height = std::max(m.height, p.y1);
  }
  m.width = std::max({m.width, jig_.originX() + jig_.plateWidth(), 100.0});
  m.height = std::max({m.height, jig_.originY() + jig_.plateHeight(), 100.0});
  m.font = std::max(m.width, 200.0) * 0.025;
  m.stroke = std::max(m.width, 200.0) * 0.0015;
  m.pad = m.font * 2;

  std::ostringstream body;
  double top = m.pad + m.font * 1.5;
  for (const JigFilling& f : layout_.fillings()) {
    body << "<g class=\"filling\" data-filling=\"" << f.number << "\" transform=\"translate("
         << num(m.pad) << "," << num(top) << ")\">\n";
    drawFilling(body, f, m);
    body << "</g>\n";
    top += m.height + m.pad + m.font * 1.5;
  }
  if (layout_.fillings().empty())
    body << "<text class=\"caption\" x=\"" << num(m.pad) << "\" y=\"" << num(top)
         << "\" font-size=\"" << num(m.font) << "\">No filling of the jig in these jobs.</text>\n";
  body << "<g transform=\"translate(" << num(m.pad) << ",0)\">\n";
  const double bottom = drawLegend(body, top + m.font, m) + m.pad;
  body << "</g>\n";

  const double totalWidth = m.width + 2 * m.pad;
  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 "
      << num(totalWidth) << " " << num(bottom) << "\" width=\"800\" height=\""
      << num(800 * bottom / totalWidth) << "\" font-family=\"DejaVu Sans, Arial, sans-serif\">\n"
      << "<title>jobpos jig: " << layout_.fillings().size() << " filling(s) of "
      << escaped(jig_.name()) << "</title>\n"
      << "<rect class=\"background\" x=\"0\" y=\"0\" width=\"" << num(totalWidth)
      << "\" height=\"" << num(bottom) << "\" fill=\"#e9ecef\"/>\n"
      << body.str() << "</svg>\n";
  return svg.str();
}
