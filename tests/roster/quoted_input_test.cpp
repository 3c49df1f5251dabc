// Every message that quotes input, fed an input far over the quote limit:
// none repeats more than 40 characters of it (exchange/quote.h).
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "cli/options.h"
#include "cli/roster_commands.h"
#include "exchange/birth_request.h"
#include "exchange/roster_lines.h"
#include "test_system.h"

namespace mireto {
namespace {

const std::string kLong(100, 'z');
const std::string kGoodBirth = R"("date":"1990-05-03","hour":"14","minute":"27")";

struct MessagePath {
  const char* name;
  std::function<std::string()> message;
  const char* says;  // part of the message, so that the path is known to be taken
};

std::string BatchError(const std::string& members) {
  std::string error;
  EXPECT_FALSE(exchange::ParseBatchLine("{" + members + "}", error));
  return error;
}

// The batch birth with one field replaced by the long input.
std::string BatchFieldError(const std::string& key) {
  std::string members =
      R"("date":"1990-05-03","hour":"14","minute":"27","sex":"M","jisaMinutes":"0","jisaSeconds":"0")";
  const std::string field = "\"" + key + "\":\"";
  const std::size_t at = members.find(field);
  if (at == std::string::npos) {
    members += "," + field + kLong + "\"";
  } else {
    const std::size_t value = at + field.size();
    members.replace(value, members.find('"', value) - value, kLong);
  }
  return BatchError(members);
}

std::string ImportError(const std::string& members) {
  std::string error;
  EXPECT_FALSE(exchange::ParseImportLine("{" + members + "}", error));
  return error;
}

std::string OptionsError(const std::vector<std::string>& args) {
  std::string error;
  EXPECT_FALSE(cli::ParseOptions(args, error));
  return error;
}

std::string ImportFromError(const std::string& source) {
  const test::TempFolder folder;
  std::ostringstream out, err;
  EXPECT_EQ(cli::ImportRosterFrom(folder / "roster.sqlite3", source, out, err), 2);
  return err.str();
}

class QuotedInput : public ::testing::TestWithParam<MessagePath> {};

TEST_P(QuotedInput, QuotesAtMostFortyCharacters) {
  const std::string message = GetParam().message();
  EXPECT_NE(message.find(GetParam().says), std::string::npos) << message;
  EXPECT_EQ(message.find(std::string(41, 'z')), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, QuotedInput,
    ::testing::Values(
        MessagePath{"BatchUnknownKey", [] { return BatchError(kGoodBirth + ",\"" + kLong + "\":1"); },
                    "知らない項目です"},
        MessagePath{"BatchDate", [] { return BatchFieldError("date"); }, "日付は"},
        MessagePath{"BatchHour", [] { return BatchFieldError("hour"); }, "時は"},
        MessagePath{"BatchMinute", [] { return BatchFieldError("minute"); }, "分は"},
        MessagePath{"BatchSex", [] { return BatchFieldError("sex"); }, "性別は"},
        MessagePath{"BatchJisaMinutes", [] { return BatchFieldError("jisaMinutes"); }, "時差の分は"},
        MessagePath{"BatchJisaSeconds", [] { return BatchFieldError("jisaSeconds"); }, "時差の秒は"},
        MessagePath{"BatchNow", [] { return BatchFieldError("now"); }, "now は"},
        MessagePath{
            "ImportKeyTwice",
            [] { return ImportError(R"("name":"a",)" + kGoodBirth + ",\"" + kLong + "\":1,\"" + kLong + "\":2"); },
            "知らない項目です"},
        MessagePath{"ImportUnknownKey",
                    [] { return ImportError(R"("name":"a",)" + kGoodBirth + ",\"" + kLong + "\":1"); },
                    "知らない項目です"},
        MessagePath{"ImportDate",
                    [] { return ImportError(R"("name":"a","date":")" + kLong + R"(","hour":"1","minute":"2")"); },
                    "日付は"},
        MessagePath{"ImportName", [] { return ImportError(R"("name":")" + kLong + kLong + "\"," + kGoodBirth); },
                    "名前は"},
        MessagePath{"ImportSummerTime",
                    [] { return ImportError(R"("name":"a","summerTime":")" + kLong + "\"," + kGoodBirth); },
                    "summerTime"},
        MessagePath{"UnknownOption", [] { return OptionsError({"--" + kLong}); }, "知らないオプション"},
        MessagePath{"FlagWithValue", [] { return OptionsError({"--json=" + kLong}); }, "値を取りません"},
        MessagePath{"Jobs",
                    [] {
                      return OptionsError({"--batch", "--jobs", kLong});
                    },
                    "--jobs"},
        MessagePath{"Now",
                    [] {
                      return OptionsError({"--now", kLong, "2000-01-01", "12:00"});
                    },
                    "--now"},
        MessagePath{"Jisa",
                    [] {
                      return OptionsError({"--jisa", kLong, "2000-01-01", "12:00"});
                    },
                    "--jisa"},
        MessagePath{"Sex",
                    [] {
                      return OptionsError({"--sex", kLong, "2000-01-01", "12:00"});
                    },
                    "性別は"},
        MessagePath{"SummerTime",
                    [] {
                      return OptionsError({"--summer-time", kLong, "2000-01-01", "12:00"});
                    },
                    "--summer-time"},
        MessagePath{"Annual",
                    [] {
                      return OptionsError({"--details", "--annual", kLong, "2000-01-01", "12:00"});
                    },
                    "--annual"},
        MessagePath{"ExtraArgument",
                    [] {
                      return OptionsError({"2000-01-01", "12:00", kLong});
                    },
                    "余分な引数"},
        MessagePath{"Time",
                    [] {
                      return OptionsError({"2000-01-01", kLong});
                    },
                    "時刻は"},
        MessagePath{"Date",
                    [] {
                      return OptionsError({kLong, "12:00"});
                    },
                    "日付は"},
        MessagePath{"RosterArgument",
                    [] {
                      std::string error;
                      EXPECT_FALSE(cli::ParseRosterCommand({"--export", kLong}, error));
                      return error;
                    },
                    "一緒に使えない引数です"},
        MessagePath{"ImportFile", [] { return ImportFromError("no-such-folder-" + kLong); }, "開けません"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mireto
