// The line reader of mireto-chart --batch, with blocks far smaller than a line
// so that every line end falls on a block boundary somewhere.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "cli/stream_io.h"
#include "test_system.h"

namespace mireto::cli {
namespace {

using Result = LineReader::Result;

struct ReadCase {
  const char* name;
  std::string input;
  std::size_t maxLineBytes;
  std::vector<std::pair<Result, std::string>> expected;  // line text for Result::Line
};

class LineReading : public ::testing::TestWithParam<std::tuple<ReadCase, std::size_t>> {};

TEST_P(LineReading, GivesEachLineOnce) {
  const auto& [c, blockBytes] = GetParam();
  const test::TempFolder folder;
  const std::string path = (folder / "input").string();
  std::ofstream(path, std::ios::binary) << c.input;
  const int fd = open(path.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  LineReader reader(fd, c.maxLineBytes, blockBytes);
  std::vector<std::pair<Result, std::string>> got;
  std::string_view line;
  for (Result r; (r = reader.Next(line)) != Result::End && got.size() < 100;) {
    got.emplace_back(r, r == Result::Line ? std::string(line) : "");
  }
  close(fd);
  EXPECT_EQ(got, c.expected);
}

const std::string kLong(40, 'x');

INSTANTIATE_TEST_SUITE_P(
    Inputs, LineReading,
    ::testing::Combine(
        ::testing::Values(
            ReadCase{"Empty", "", 100, {}}, ReadCase{"OneLineWithEnd", "abc\n", 100, {{Result::Line, "abc"}}},
            ReadCase{"LastLineWithoutEnd", "abc\nde", 100, {{Result::Line, "abc"}, {Result::Line, "de"}}},
            ReadCase{"BlankLinesKept",
                     "\n\na\n\n",
                     100,
                     {{Result::Line, ""}, {Result::Line, ""}, {Result::Line, "a"}, {Result::Line, ""}}},
            ReadCase{"CrKept", "a\r\nb\r\n", 100, {{Result::Line, "a\r"}, {Result::Line, "b\r"}}},
            ReadCase{"ExactlyAtTheLimit", "12345\n", 5, {{Result::Line, "12345"}}},
            ReadCase{"OverTheLimitThenGoesOn", "123456\nok\n", 5, {{Result::TooLong, ""}, {Result::Line, "ok"}}},
            ReadCase{"FarOverTheLimit",
                     kLong + "\n" + kLong + "\nok",
                     5,
                     {{Result::TooLong, ""}, {Result::TooLong, ""}, {Result::Line, "ok"}}},
            ReadCase{"OverTheLimitAtTheEnd", "ok\n" + kLong, 5, {{Result::Line, "ok"}, {Result::TooLong, ""}}}),
        ::testing::Values(std::size_t{1}, std::size_t{3}, std::size_t{7}, std::size_t{1} << 16)),
    [](const auto& info) {
      return std::string(std::get<0>(info.param).name) + "_block" + std::to_string(std::get<1>(info.param));
    });

TEST(OutputSinkTest, KeepsTheFirstErrorAndWritesNothingAfter) {
  const int fd = open("/dev/full", O_WRONLY);
  ASSERT_GE(fd, 0);
  OutputSink sink(fd, 4);
  EXPECT_TRUE(sink.Write("ab"));  // still buffered
  EXPECT_FALSE(sink.Write("cdef"));
  EXPECT_EQ(sink.errorNumber(), ENOSPC);
  EXPECT_FALSE(sink.Flush());
  EXPECT_EQ(sink.errorNumber(), ENOSPC);
  close(fd);
}

TEST(OutputSinkTest, LargeBlocksAndSmallPiecesKeepTheirOrder) {
  const test::TempFolder folder;
  const std::string path = (folder / "output").string();
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_GE(fd, 0);
  std::string expected;
  {
    OutputSink sink(fd, 16);
    for (const std::string& piece :
         std::vector<std::string>{"ab", std::string(40, 'x'), "cd", "ef", std::string(16, 'y'), "g"}) {
      EXPECT_TRUE(sink.Write(piece));
      expected += piece;
    }
    EXPECT_TRUE(sink.Flush());
  }
  close(fd);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), expected);
}

}  // namespace
}  // namespace mireto::cli
