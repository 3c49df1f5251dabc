#include "output/details_print.h"

#include "chart/text_format.h"
#include "output/details_text.h"
#include "output/five_element_picture.h"
#include "page/page_text.h"

namespace mireto {

namespace {

// Millimetres and points.
constexpr double kWidth = 180;
constexpr double kTop = 12;
constexpr double kFooterRise = 12;
constexpr double kPoints = 9;
constexpr double kPictureSide = 56;
constexpr std::string_view kContinued = "（続き）";

double LineHeight() { return kPoints * page::kMillimetresPerPoint * 1.35; }

class Flow {
 public:
  Flow(page::PaperSize paper, std::string heading) : heading_(std::move(heading)) {
    const page::Size size = page::PaperDimensions(paper);
    left_ = (size.width - kWidth) / 2;
    bottom_ = size.height - kFooterRise - 2;
    paperHeight_ = size.height;
    newPage();
  }

  // Room for height more on this page, else a new page.
  bool fits(double height) const { return y_ + height <= bottom_; }

  void line(const std::string& text, bool bold = false) {
    const std::vector<std::string> parts = page::WrapText(TrimmedLine(text), kWidth, kPoints);
    if (parts.empty()) y_ += LineHeight();  // a blank line
    for (const std::string& part : parts) {
      if (!fits(LineHeight())) newPage();
      page::Text t;
      t.lines = {part};
      t.box = {left_, y_, kWidth, LineHeight()};
      t.points = kPoints;
      t.bold = bold;
      t.lineSpacing = 1.35;
      pages_.back().items.push_back(std::move(t));
      y_ += LineHeight();
    }
  }

  void block(const DetailsBlock& b) {
    // The head stays with at least one row.
    if (!fits(LineHeight() * static_cast<double>(b.head.size() + 1))) newPage();
    heads(b, false);
    for (const std::string& row : b.rows) {
      if (!fits(LineHeight())) {
        newPage();
        heads(b, true);
      }
      line(row);
    }
  }

  void picture(const FiveElementBalance& balance) {
    const double height = kPictureSide * kFiveElementAspect;
    if (!fits(height)) newPage();
    AddFiveElementPicture(pages_.back(), {left_, y_, kPictureSide, height}, balance);
    y_ += height + LineHeight();
  }

  page::Document finish(page::PaperSize paper) {
    for (std::size_t i = 0; i < pages_.size(); ++i) {
      page::Text number;
      number.lines = {FormatInteger(static_cast<long long>(i) + 1) + "／" +
                      FormatInteger(static_cast<long long>(pages_.size()))};
      number.box = {left_, paperHeight_ - kFooterRise + 1, kWidth, LineHeight()};
      number.points = 8;
      number.align = page::HAlign::Right;
      pages_[i].items.push_back(
          page::Line{{left_, paperHeight_ - kFooterRise}, {left_ + kWidth, paperHeight_ - kFooterRise}, {0.2}});
      pages_[i].items.push_back(std::move(number));
    }
    return {paper, "命式詳細", std::move(pages_)};
  }

 private:
  void heads(const DetailsBlock& b, bool continued) {
    for (std::size_t i = 0; i < b.head.size(); ++i) {
      const std::string text = i == 0 && continued ? TrimmedLine(b.head[i]) + std::string(kContinued) : b.head[i];
      line(text, i == 0);
    }
  }

  void newPage() {
    pages_.emplace_back();
    page::Page& p = pages_.back();
    const std::string title = pages_.size() == 1 ? "命式詳細" : "命式詳細" + std::string(kContinued);
    page::Text t;
    t.lines = {title};
    t.box = {left_, kTop, kWidth, 7};
    t.points = 13;
    t.bold = true;
    t.valign = page::VAlign::Bottom;
    p.items.push_back(t);
    const double titleWidth = page::TextWidth(title, 13) + 5;
    page::Text who;
    who.lines = {page::ElideText(heading_, kWidth - titleWidth, 10)};
    who.box = {left_ + titleWidth, kTop, kWidth - titleWidth, 6.6};
    who.points = 10;
    who.valign = page::VAlign::Bottom;
    p.items.push_back(who);
    p.items.push_back(page::Line{{left_, kTop + 8}, {left_ + kWidth, kTop + 8}, {0.4}});
    y_ = kTop + 11;
  }

  std::string heading_;
  double left_ = 0;
  double bottom_ = 0;
  double paperHeight_ = 0;
  double y_ = 0;
  std::vector<page::Page> pages_;
};

}  // namespace

page::Document DetailsPrintDocument(const ChartDetails& details, const std::string& heading,
                                    const std::vector<std::string>& birthTime, page::PaperSize paper) {
  Flow flow(paper, heading);
  for (const std::string& line : birthTime) flow.line(line);
  if (!birthTime.empty()) flow.line("");
  const std::vector<DetailsBlock> tables = DetailsTableBlocks(details);
  for (std::size_t i = 0; i < tables.size(); ++i) {
    if (i > 0) flow.line("");
    flow.block(tables[i]);
  }
  flow.line("");
  flow.picture(details.balance);
  const std::vector<DetailsBlock> readings = DetailsReadingBlocks(details);
  for (std::size_t i = 0; i < readings.size(); ++i) {
    if (i > 0) flow.line("");
    flow.block(readings[i]);
  }
  return flow.finish(paper);
}

}  // namespace mireto
