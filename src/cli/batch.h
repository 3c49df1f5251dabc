// mireto-chart --batch: one chart (or one error line) per input line, in order.
#pragma once

#include <string>
#include <string_view>

#include "chart/chart.h"
#include "chart/summer_time.h"
#include "cli/chart_io.h"
#include "cli/details_output.h"
#include "cli/exit_status.h"
#include "cli/stream_io.h"

namespace mireto::cli {

// The longest batch line read; a longer one gets an error line.
inline constexpr std::size_t kMaxBatchLineBytes = 64 * 1024;

// What every line of one run shares.
struct BatchContext {
  const CalendarTables& tables;
  exchange::BatchDefaults defaults;
  LocalDateTime defaultNow;
  DetailsOptions details{};  // --details, --annual, --monthly, --daily
  SummerTimeRule summerTime = SummerTimeRule::Ignore;
  bool compat = false;                        // --compat: two births a line (compat_output.h)
  exchange::BatchDefaults partnerDefaults{};  // --partner-sex and --partner-jisa
};

// Appends the output line (with its line end) of input line number lineNumber
// to out. Returns false for an error line. Solved terms are reused from and
// kept in cache (one per thread) when given.
bool AppendBatchLine(std::string_view line, long lineNumber, const BatchContext& context, std::string& out,
                     TermCache* cache = nullptr);

// The error line {"line":N,"error":"..."} with its line end.
void AppendErrorLine(long lineNumber, std::string_view error, std::string& out);

// Whether a line holds nothing but blanks (a trailing one is not an error).
bool IsBlankLine(std::string_view line);

// The threads --jobs N asks for: N, or for 0 the cores this process may run on.
int ThreadsForJobs(int jobs);

// Reads lines from inputFd until its end and writes one line each to out, in
// input order. The lines are cut into chunks (at most 2048 lines or 1 MiB);
// with more than one thread, the chunks are computed in parallel, at most two
// per thread in flight, so memory stays bounded however long the input. The
// output is the same for every number of threads.
// Returns the exit status; on a read or write failure it stops at once and
// says so on standard error.
ExitStatus RunBatch(int inputFd, OutputSink& out, const BatchContext& context, int jobs = 1);

}  // namespace mireto::cli
