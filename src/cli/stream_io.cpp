#include "cli/stream_io.h"

#include <cerrno>

#include "cli/system.h"

namespace mireto::cli {

OutputSink::OutputSink(int fd, std::size_t bufferBytes) : fd_(fd), bufferBytes_(bufferBytes) {
  buffer_.reserve(bufferBytes + bufferBytes / 4);
}

bool OutputSink::Write(std::string_view text) {
  if (failed()) return false;
  if (text.size() < bufferBytes_) {
    buffer_.append(text);
    return Commit();
  }
  // A large block (a chunk of batch output) goes out without a copy.
  return Flush() && WriteOut(text);
}

bool OutputSink::WriteOut(std::string_view text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const long n = WriteSome(fd_, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      errorNumber_ = n < 0 ? errno : EIO;
      buffer_.clear();
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool OutputSink::Commit() {
  if (buffer_.size() >= bufferBytes_) return Flush();
  return !failed();
}

bool OutputSink::Flush() {
  if (failed()) return false;
  const bool ok = WriteOut(buffer_);
  buffer_.clear();
  return ok;
}

LineReader::LineReader(int fd, std::size_t maxLineBytes, std::size_t blockBytes)
    : fd_(fd), maxLineBytes_(maxLineBytes), blockBytes_(blockBytes) {}

bool LineReader::Fill() {
  if (atEnd_) return false;
  // Drop what was returned already before growing the buffer.
  if (start_ > 0) {
    data_.erase(0, start_);
    start_ = 0;
  }
  const std::size_t old = data_.size();
  data_.resize(old + blockBytes_);
  for (;;) {
    const long n = ReadSome(fd_, data_.data() + old, blockBytes_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) errorNumber_ = errno;
    data_.resize(old + (n > 0 ? static_cast<std::size_t>(n) : 0));
    if (n <= 0) atEnd_ = true;
    return n > 0;
  }
}

LineReader::Result LineReader::Next(std::string_view& line) {
  std::size_t searched = start_;  // bytes before this hold no line end
  for (;;) {
    const std::size_t end = data_.find('\n', searched);
    if (end != std::string::npos) {
      line = std::string_view(data_).substr(start_, end - start_);
      start_ = end + 1;
      return line.size() > maxLineBytes_ ? Result::TooLong : Result::Line;
    }
    if (data_.size() - start_ > maxLineBytes_) {
      // Too long already: skip to the next line end without keeping the bytes.
      for (;;) {
        data_.clear();
        start_ = 0;
        if (!Fill()) return errorNumber_ != 0 ? Result::ReadError : Result::TooLong;
        const std::size_t nl = data_.find('\n');
        if (nl != std::string::npos) {
          start_ = nl + 1;
          return Result::TooLong;
        }
      }
    }
    searched = data_.size();
    const std::size_t before = start_;
    if (!Fill()) {
      if (errorNumber_ != 0) return Result::ReadError;
      if (data_.size() == start_) return Result::End;
      line = std::string_view(data_).substr(start_);
      start_ = data_.size();
      return Result::Line;
    }
    searched -= before;  // Fill() moved the unread bytes to the front
  }
}

std::string DescribeIoError(int errorNumber) {
  switch (errorNumber) {
    case ENOSPC: return "書き込み先に空きがありません";
    case EPIPE: return "出力先のパイプが閉じられています";
    case EBADF: return "閉じられているか、この向きには使えません";
    case EISDIR: return "ディレクトリです";
    case EIO: return "入出力エラーです";
#ifdef EDQUOT  // not defined by the Windows C library
    case EDQUOT: return "ディスク使用量の上限に達しました";
#endif
    case EFBIG: return "ファイルが大きすぎます";
    case EACCES:
    case EPERM: return "権限がありません";
    default: return "入出力エラーです（errno " + std::to_string(errorNumber) + "）";
  }
}

}  // namespace mireto::cli
