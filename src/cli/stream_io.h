// Standard input and output of mireto-chart at the level of file descriptors:
// every read and write error is seen (a full disk, a closed descriptor, a
// closed pipe with SIGPIPE ignored, a directory as input), never mistaken for
// success or for the end of the input.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mireto::cli {

// Buffered output to a file descriptor. Once a write fails, every later call
// does nothing and errorNumber() keeps the first error.
class OutputSink {
 public:
  explicit OutputSink(int fd, std::size_t bufferBytes = 1 << 16);
  OutputSink(const OutputSink&) = delete;
  OutputSink& operator=(const OutputSink&) = delete;

  // Appends text; writes the buffer out when it is full. False after a failure.
  bool Write(std::string_view text);
  // The buffer the caller may append to directly, followed by Commit().
  std::string& buffer() { return buffer_; }
  // Writes the buffer out if it holds at least the buffer size. False after a failure.
  bool Commit();
  // Writes everything buffered. False after a failure.
  bool Flush();
  bool failed() const { return errorNumber_ != 0; }
  int errorNumber() const { return errorNumber_; }

 private:
  bool WriteOut(std::string_view text);  // the whole text, or the first error

  int fd_;
  std::size_t bufferBytes_;
  std::string buffer_;
  int errorNumber_ = 0;
};

// Whether descriptor fd is open (system_linux.cpp, system_windows.cpp).
bool IsOpen(int fd);

// Lines of a file descriptor, read in large blocks. A line longer than the
// limit is reported as such (its bytes are skipped up to the next line end,
// never stored); a final line without a line end counts as a line.
class LineReader {
 public:
  enum class Result { Line, TooLong, End, ReadError };

  LineReader(int fd, std::size_t maxLineBytes, std::size_t blockBytes = 1 << 16);
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  // The next line without its line end (LF; a CR before it is kept). The view
  // stays valid until the next call.
  Result Next(std::string_view& line);
  int errorNumber() const { return errorNumber_; }

 private:
  bool Fill();  // reads one more block; false at the end or on an error

  int fd_;
  std::size_t maxLineBytes_;
  std::size_t blockBytes_;
  std::string data_;
  std::size_t start_ = 0;  // first byte not yet returned
  bool atEnd_ = false;
  int errorNumber_ = 0;
};

// A short Japanese description of a read or write error number.
std::string DescribeIoError(int errorNumber);

}  // namespace mireto::cli
