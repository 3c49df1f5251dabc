#include "cli/batch.h"

#include <condition_variable>
#include <deque>
#include <iostream>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "cli/compat_output.h"
#include "cli/json_writer.h"
#include "cli/system.h"

namespace mireto::cli {

namespace {

// What one input line becomes.
enum class ItemKind { Line, TooLong, InnerBlank };

struct Item {
  ItemKind kind;
  long lineNumber;
  std::size_t offset;  // ItemKind::Line: the text in Chunk::input
  std::size_t size;
};

// A run of consecutive input lines and, once computed, their output.
struct Chunk {
  std::string input;
  std::vector<Item> items;
  std::string output;
  bool anyFailed = false;
  bool done = false;
};

// A chunk closes at this many lines or input bytes, whichever comes first.
constexpr std::size_t kChunkLines = 2048;
constexpr std::size_t kChunkBytes = 1 << 20;

void ReportOutputFailure(const OutputSink& out) {
  std::cerr << "mireto-chart: 標準出力に書き込めません: " << DescribeIoError(out.errorNumber()) << '\n';
}

void ComputeChunk(Chunk& chunk, const BatchContext& context, TermCache& cache) {
  chunk.output.reserve(chunk.items.size() * 1024);
  for (const Item& item : chunk.items) {
    switch (item.kind) {
      case ItemKind::Line: {
        const std::string_view line(chunk.input.data() + item.offset, item.size);
        if (!AppendBatchLine(line, item.lineNumber, context, chunk.output, &cache)) chunk.anyFailed = true;
        break;
      }
      case ItemKind::TooLong:
        AppendErrorLine(item.lineNumber, "行が長すぎます（" + std::to_string(kMaxBatchLineBytes) + " バイトまで）",
                        chunk.output);
        chunk.anyFailed = true;
        break;
      case ItemKind::InnerBlank:
        AppendErrorLine(item.lineNumber, "空行です", chunk.output);
        chunk.anyFailed = true;
        break;
    }
  }
}

// Cuts the input into chunks. Blank lines are held back until a later line
// shows they are not trailing ones.
class ChunkReader {
 public:
  explicit ChunkReader(int fd) : reader_(fd, kMaxBatchLineBytes) {}

  // The next chunk; empty at the end of the input or after a read error.
  std::unique_ptr<Chunk> Next() {
    auto chunk = std::make_unique<Chunk>();
    std::string_view line;
    while (!finished_ && chunk->items.size() < kChunkLines && chunk->input.size() < kChunkBytes) {
      const auto got = reader_.Next(line);
      if (got == LineReader::Result::End || got == LineReader::Result::ReadError) {
        finished_ = true;
        break;
      }
      ++lineNumber_;
      if (got == LineReader::Result::Line && IsBlankLine(line)) {
        ++pendingBlank_;
        continue;
      }
      for (long n = lineNumber_ - pendingBlank_; n < lineNumber_; ++n) {
        chunk->items.push_back({ItemKind::InnerBlank, n, 0, 0});
      }
      pendingBlank_ = 0;
      if (got == LineReader::Result::TooLong) {
        chunk->items.push_back({ItemKind::TooLong, lineNumber_, 0, 0});
      } else {
        chunk->items.push_back({ItemKind::Line, lineNumber_, chunk->input.size(), line.size()});
        chunk->input.append(line);
      }
    }
    if (chunk->items.empty()) return nullptr;
    return chunk;
  }

  int readError() const { return reader_.errorNumber(); }

 private:
  LineReader reader_;
  long lineNumber_ = 0;
  long pendingBlank_ = 0;
  bool finished_ = false;
};

// Computes chunks on worker threads; the caller takes them back in input order.
class ChunkPool {
 public:
  ChunkPool(int threads, const BatchContext& context) {
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this, &context] { Work(context); });
  }
  ChunkPool(const ChunkPool&) = delete;
  ChunkPool& operator=(const ChunkPool&) = delete;
  // Stops after the chunks being computed; queued ones are dropped.
  ~ChunkPool() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
      queue_.clear();
    }
    wake_.notify_all();
    for (auto& worker : workers_) worker.join();
  }

  void Submit(Chunk* chunk) {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(chunk);
    }
    wake_.notify_one();
  }

  void WaitFor(const Chunk& chunk) {
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [&] { return chunk.done; });
  }

 private:
  void Work(const BatchContext& context) {
    TermCache cache;  // this thread's solved terms
    for (;;) {
      Chunk* chunk = nullptr;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;
        chunk = queue_.front();
        queue_.pop_front();
      }
      ComputeChunk(*chunk, context, cache);
      {
        std::lock_guard lock(mutex_);
        chunk->done = true;
      }
      finished_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable finished_;
  std::deque<Chunk*> queue_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;
};

}  // namespace

int ThreadsForJobs(int jobs) {
  if (jobs > 0) return jobs;
  return AvailableProcessors();
}

bool IsBlankLine(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

void AppendErrorLine(long lineNumber, std::string_view error, std::string& out) {
  AppendErrorJson(out, lineNumber, error);
  out += '\n';
}

bool AppendBatchLine(std::string_view line, long lineNumber, const BatchContext& context, std::string& out,
                     TermCache* cache) {
  TermCache local;
  if (cache == nullptr) cache = &local;
  if (line.ends_with('\r')) line.remove_suffix(1);
  if (context.compat) return AppendCompatBatchLine(line, lineNumber, context, out);
  std::string error;
  const auto request = exchange::ParseBatchLine(line, context.defaults, error);
  if (request) {
    const LocalDateTime now = request->now.value_or(context.defaultNow);
    const BirthChart birth = ComputeBirthChart(request->input, context.summerTime, context.tables, now,
                                               context.details.details ? Boundaries::Solve : Boundaries::Skip, cache);
    if (birth.result.chart) {
      const Chart& chart = *birth.result.chart;
      ChartExtras extras{.notices = &birth.notices, .summerTime = context.summerTime};
      std::optional<ChartDetails> details;
      if (context.details.details) {
        details = DetailsOf(*request, chart, context.details, now, context.tables, *cache);
        extras.details = &*details;
        if (birth.boundaries) extras.boundaries = &*birth.boundaries;
      }
      AppendChartJson(out, *request, chart, extras);
      out += '\n';
      return true;
    }
    error = birth.result.error;
  }
  AppendErrorLine(lineNumber, error, out);
  return false;
}

ExitStatus RunBatch(int inputFd, OutputSink& out, const BatchContext& context, int jobs) {
  const int threads = ThreadsForJobs(jobs);
  ChunkReader reader(inputFd);
  // One thread computes in place; more keep at most two chunks each in flight.
  std::unique_ptr<ChunkPool> pool;
  if (threads > 1) pool = std::make_unique<ChunkPool>(threads, context);
  const std::size_t inFlight = threads > 1 ? static_cast<std::size_t>(2 * threads) : 1;
  TermCache cache;  // the solved terms of computing in place
  std::deque<std::unique_ptr<Chunk>> pending;
  bool anyFailed = false;
  bool inputDone = false;
  while (!inputDone || !pending.empty()) {
    while (!inputDone && pending.size() < inFlight) {
      auto chunk = reader.Next();
      if (!chunk) {
        inputDone = true;
        break;
      }
      if (pool) {
        pool->Submit(chunk.get());
      } else {
        ComputeChunk(*chunk, context, cache);
        chunk->done = true;
      }
      pending.push_back(std::move(chunk));
    }
    if (pending.empty()) break;
    Chunk& oldest = *pending.front();
    if (pool) pool->WaitFor(oldest);
    anyFailed = anyFailed || oldest.anyFailed;
    if (!out.Write(oldest.output)) {
      pool.reset();  // before the chunks it may still be computing go away
      ReportOutputFailure(out);
      return ExitStatus::OutputFailed;
    }
    pending.pop_front();
  }
  pool.reset();
  if (!out.Flush()) {
    ReportOutputFailure(out);
    return ExitStatus::OutputFailed;
  }
  if (reader.readError() != 0) {
    std::cerr << "mireto-chart: 標準入力を読めません: " << DescribeIoError(reader.readError()) << '\n';
    return ExitStatus::InputFailed;
  }
  return anyFailed ? ExitStatus::SomeLinesFailed : ExitStatus::Ok;
}

}  // namespace mireto::cli
