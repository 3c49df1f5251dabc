#include "output/five_element_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "chart/text_format.h"
#include "output/relation_text.h"

namespace mireto {

namespace {

// A light tint for each element, in the order of Element.
constexpr std::array<page::Colour, 5> kElementTints = {{
    {0xCF, 0xE8, 0xC6},  // 木
    {0xF7, 0xC9, 0xC1},  // 火
    {0xEC, 0xDD, 0xB4},  // 土
    {0xE4, 0xE4, 0xE4},  // 金
    {0xC8, 0xD9, 0xF0},  // 水
}};
constexpr page::Colour kInk{0x30, 0x30, 0x30};
constexpr page::Colour kGeneratingInk{0x2E, 0x7D, 0x32};
constexpr page::Colour kControllingInk{0xB7, 0x1C, 0x1C};
constexpr page::Colour kDayMasterRing{0xC6, 0x28, 0x28};

// Proportions of the picture's side.
constexpr double kCircleRadius = 0.36;  // the circle through the five centres
constexpr double kNodeRadius = 0.125;
constexpr double kNameSize = 0.085;  // the element's character
constexpr double kCountSize = 0.06;  // its counts and the notes
constexpr double kArrowSize = 0.03;

struct Geometry {
  page::Point centre;
  double side;
  double radius() const { return side * kCircleRadius; }
  double node() const { return side * kNodeRadius; }
};

page::Point Plus(page::Point a, double dx, double dy) { return {a.x + dx, a.y + dy}; }

// The centre of element e: 木 at the top, then clockwise every fifth of a turn.
page::Point NodeCentre(const Geometry& g, Element e) {
  const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * static_cast<double>(e) / 5;
  return Plus(g.centre, g.radius() * std::cos(angle), g.radius() * std::sin(angle));
}

page::Point Along(page::Point a, page::Point b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// The segment from node a to node b, cut back by the node radius at both ends.
std::pair<page::Point, page::Point> Between(page::Point a, page::Point b, double node) {
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  const double cut = node * 1.15 / length;
  return {Along(a, b, cut), Along(a, b, 1 - cut)};
}

// Points given in size units of the unit as millimetres.
double Points(double size) { return size / page::kMillimetresPerPoint; }

void AddArrow(page::Page& page, page::Point from, page::Point to, double head, const page::Stroke& stroke) {
  page.items.push_back(page::Line{from, to, stroke});
  const double length = std::hypot(to.x - from.x, to.y - from.y);
  const double ux = (from.x - to.x) / length;
  const double uy = (from.y - to.y) / length;
  const page::Point base = Plus(to, ux * head, uy * head);
  page.items.push_back(
      page::Polygon{{to, Plus(base, -uy * head / 2, ux * head / 2), Plus(base, uy * head / 2, -ux * head / 2)},
                    page::Stroke{stroke.width, stroke.colour},
                    true,
                    stroke.colour});
}

void AddCycles(page::Page& page, const Geometry& g) {
  const double head = g.side * kArrowSize;
  for (const Element e : kElements) {
    const page::Point from = NodeCentre(g, e);
    const auto [a, b] = Between(from, NodeCentre(g, ProducedBy(e)), g.node());
    AddArrow(page, a, b, head, page::Stroke{g.side * 0.006, kGeneratingInk});
    const auto [c, d] = Between(from, NodeCentre(g, ControlledBy(e)), g.node());
    page.items.push_back(page::Line{c, d, page::Stroke{g.side * 0.005, kControllingInk, true}});
    AddArrow(page, Along(c, d, 0.9), d, head, page::Stroke{g.side * 0.005, kControllingInk});
  }
}

void AddNode(page::Page& page, const Geometry& g, Element e, const FiveElementBalance& b) {
  const page::Point at = NodeCentre(g, e);
  const double node = g.node();
  const bool dayMaster = e == b.dayMaster;
  const page::Stroke ring =
      dayMaster ? page::Stroke{g.side * 0.014, kDayMasterRing} : page::Stroke{g.side * 0.004, kInk};
  page.items.push_back(page::Ellipse{
      {at.x - node, at.y - node, 2 * node, 2 * node}, ring, true, kElementTints[static_cast<std::size_t>(e)]});
  page::Text name{{std::string(ElementName(e))}, {at.x - node, at.y - node * 0.85, 2 * node, node}};
  name.points = Points(g.side * kNameSize);
  name.bold = true;
  name.align = page::HAlign::Centre;
  name.valign = page::VAlign::Bottom;
  name.lineSpacing = 1.15;
  name.colour = kInk;
  page.items.push_back(name);
  page::Text counts{{FormatInteger(b.visible[e]) + "／" + FormatInteger(b.withHidden[e])},
                    {at.x - node, at.y + node * 0.05, 2 * node, node * 0.7}};
  counts.points = Points(g.side * kCountSize);
  counts.align = page::HAlign::Centre;
  counts.lineSpacing = 1.15;
  counts.colour = kInk;
  page.items.push_back(counts);
  if (dayMaster) {
    page::Text label{{"日主"}, {at.x + node * 0.75, at.y - node * 1.5, node * 1.6, node * 0.7}};
    label.points = Points(g.side * kCountSize);
    label.valign = page::VAlign::Middle;
    label.lineSpacing = 1.15;
    label.colour = kDayMasterRing;
    page.items.push_back(label);
  }
}

}  // namespace

void AddFiveElementPicture(page::Page& page, const page::Box& area, const FiveElementBalance& balance) {
  const double side = std::min(area.width, area.height / kFiveElementAspect);
  const Geometry g{{area.x + area.width / 2, area.y + side / 2}, side};
  AddCycles(page, g);
  for (const Element e : kElements) AddNode(page, g, e, balance);
  page::Text notes{{"天干・地支／蔵干を含む", YinYangText(balance)},
                   {area.x, area.y + side * 0.94, area.width, side * 0.2}};
  notes.points = Points(side * kCountSize);
  notes.align = page::HAlign::Centre;
  notes.lineSpacing = 1.3;
  notes.colour = kInk;
  page.items.push_back(notes);
}

}  // namespace mireto
