// A printed page as a plain description: what is drawn where, with no
// painting in it. Builders of printed sheets fill a Document; the painter in
// print/ draws it on a printer or into a PDF file, and tests read it as data.
//
// Units and origin: every length is in millimetres, measured from the top
// left corner of the paper (not of a printer's printable area); x grows to
// the right, y downwards. Font sizes are in points (1 pt = 25.4 / 72 mm).
// Nothing is scaled: a box of 10 x 5 is 10 mm wide and 5 mm high on paper.
//
// Text is laid out here, not by the painter: a text item holds its lines as
// they are to be drawn (see page_text.h for wrapping), so that the number of
// lines, and with it the number of pages, is known without a font engine.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace mireto::page {

inline constexpr double kMillimetresPerPoint = 25.4 / 72.0;

enum class PaperSize { A4, Letter };

struct Size {
  double width = 0;
  double height = 0;
};

// Portrait: A4 210 x 297 mm, Letter 215.9 x 279.4 mm.
Size PaperDimensions(PaperSize paper);

struct Point {
  double x = 0;
  double y = 0;
};

struct Box {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
  double right() const { return x + width; }
  double bottom() const { return y + height; }
};

struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};

// A grey from 0 (black) to 1 (white).
constexpr Colour Grey(double level) {
  const auto v = static_cast<std::uint8_t>(level <= 0 ? 0 : level >= 1 ? 255 : level * 255 + 0.5);
  return {v, v, v};
}

// The two faces of the program's layouts: Gothic is fixed pitch (a half-width
// character is exactly half a full-width one, so widths are known here);
// PGothic is proportional and narrower, never wider, than Gothic.
enum class FontRole { Gothic, PGothic };

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

// Lines of text in a box. Each line is drawn as given, aligned in the box;
// lines are lineHeight() apart. What reaches past the box is clipped.
struct Text {
  std::vector<std::string> lines;  // UTF-8, no line breaks inside
  Box box;
  FontRole role = FontRole::Gothic;
  double points = 10;
  bool bold = false;
  HAlign align = HAlign::Left;
  VAlign valign = VAlign::Top;
  Colour colour = kBlack;
  double lineSpacing = 1.4;  // line height over the font size

  double lineHeight() const { return points * kMillimetresPerPoint * lineSpacing; }
};

struct Stroke {
  double width = 0.2;  // mm; 0 draws no outline
  Colour colour = kBlack;
  bool dashed = false;
};

struct Line {
  Point from;
  Point to;
  Stroke stroke;
};

// A rectangle, an ellipse inscribed in a box, or a closed polygon: outlined
// by stroke (unless its width is 0) and filled when fill is set.
struct Rectangle {
  Box box;
  Stroke stroke;
  bool filled = false;
  Colour fill = kWhite;
};

struct Ellipse {
  Box box;
  Stroke stroke;
  bool filled = false;
  Colour fill = kWhite;
};

struct Polygon {
  std::vector<Point> points;
  Stroke stroke;
  bool filled = false;
  Colour fill = kWhite;
};

using Item = std::variant<Text, Line, Rectangle, Ellipse, Polygon>;

// Items are drawn in order: later ones over earlier ones.
struct Page {
  std::vector<Item> items;
};

struct Document {
  PaperSize paper = PaperSize::A4;
  std::string title;  // the PDF file's title
  std::vector<Page> pages;
};

// Every line of every text item of a page, in order (for tests and checks).
std::vector<std::string> TextLines(const Page& page);

}  // namespace mireto::page
