// The printed 命式詳細 as a page description: on every page the heading
// (name, birth data, sex) and the page number; the sectional terms around the
// birth and the summer-time decision; the tables and the relations in the
// fixed-pitch face, a table's title and column header repeated on each page
// its rows continue on; the five-element picture before the balance.
#pragma once

#include <string>
#include <vector>

#include "chart/chart_details.h"
#include "page/page.h"

namespace mireto {

// heading: DetailsHeadingText of the chart; birthTime: the lines of the
// sectional terms and the summer-time decision (none when unknown).
page::Document DetailsPrintDocument(const ChartDetails& details, const std::string& heading,
                                    const std::vector<std::string>& birthTime, page::PaperSize paper);

}  // namespace mireto
