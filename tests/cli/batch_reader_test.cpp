// The batch line reader: what it accepts, what it refuses and with which message.
#include <gtest/gtest.h>

#include "exchange/birth_request.h"

namespace mireto::exchange {
namespace {

const std::string kGood = R"("date":"1990-05-03","hour":"14","minute":"27")";
const std::string kNotJson = "JSON のオブジェクトとして読めません";

struct LineCase {
  const char* name;
  std::string line;
  std::string error;  // empty: accepted
};

class BatchLineReading : public ::testing::TestWithParam<LineCase> {};

TEST_P(BatchLineReading, AcceptsOrRefusesWithItsMessage) {
  const LineCase& c = GetParam();
  std::string error;
  const auto request = ParseBatchLine(c.line, error);
  EXPECT_EQ(error, c.error);
  EXPECT_EQ(request.has_value(), c.error.empty());
}

std::string Nested(int depth) {
  return "{" + kGood + R"(,"x":)" + std::string(static_cast<std::size_t>(depth - 1), '[') +
         std::string(static_cast<std::size_t>(depth - 1), ']') + "}";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BatchLineReading,
    ::testing::Values(
        LineCase{"Plain", "{" + kGood + "}", ""},
        LineCase{"BlanksBetweenTokens", " {\t" + kGood + " , \"sex\" : \"M\" }\r ", ""},
        LineCase{"ByteOrderMark", "\xEF\xBB\xBF{" + kGood + "}", ""},
        LineCase{"EscapedKeyAndValue", R"({"\u0064ate":"1990-05-03","hour":"1\u0034","minute":"27"})", ""},
        LineCase{"DuplicateKey", "{" + kGood + R"(,"date":"1991-01-01"})", "項目 \"date\" が2回あります"},
        LineCase{"DuplicateThroughEscape", "{" + kGood + R"(,"h\u006fur":"3"})", "項目 \"hour\" が2回あります"},
        LineCase{"UnknownKeyCase", "{" + kGood + R"(,"Sex":"M"})", "知らない項目です: \"Sex\""},
        LineCase{"UnknownKeyNearMiss", "{" + kGood + R"(,"jisaMinute":"-5"})", "知らない項目です: \"jisaMinute\""},
        LineCase{"UnknownKeyQuotedShort", "{" + kGood + ",\"" + std::string(100, 'k') + "\":1}",
                 "知らない項目です: \"" + std::string(40, 'k') + "…\""},
        LineCase{"FirstMemberProblemWins", "{" + kGood + R"(,"x":1,"date":"2000-01-01"})", "知らない項目です: \"x\""},
        LineCase{"TrailingWord", "{" + kGood + "} x", "オブジェクトの後ろに余分な文字があります"},
        LineCase{"TrailingAfterNul", "{" + kGood + std::string("}\0junk", 6),
                 "オブジェクトの後ろに余分な文字があります"},
        LineCase{"SecondObject", "{" + kGood + "}{}", "オブジェクトの後ろに余分な文字があります"},
        LineCase{"NestingAtTheLimit", Nested(32), "知らない項目です: \"x\""},
        LineCase{"NestingTooDeep", Nested(33), "入れ子が深すぎます（32 段まで）"},
        LineCase{"NotAnObject", "[1,2,3]", kNotJson}, LineCase{"Empty", "", kNotJson},
        LineCase{"Unterminated", "{" + kGood, kNotJson}, LineCase{"TrailingComma", "{" + kGood + ",}", kNotJson},
        LineCase{"RawControlCharacter", "{\"date\":\"1990-05-03\t\"}", kNotJson},
        LineCase{"LoneSurrogate", R"({"date":"\ud800"})", kNotJson},
        LineCase{"ReversedSurrogates", R"({"date":"\udc00\ud800"})", kNotJson},
        LineCase{"InvalidUtf8", "{\"date\":\"\xC0\xAF\"}", kNotJson},
        LineCase{"EncodedSurrogateUtf8", "{\"date\":\"\xED\xA0\x80\"}", kNotJson},
        LineCase{"BadEscape", R"({"date":"\x"})", kNotJson}, LineCase{"LeadingZeroNumber", R"({"hour":01})", kNotJson},
        LineCase{"OverflowingNumber", R"({"hour":1e999})", kNotJson},
        LineCase{"NumberInsteadOfString", R"({"date":"1990-05-03","hour":14,"minute":"27"})",
                 "項目 \"hour\" は文字列で指定してください"},
        LineCase{"NullNow", "{" + kGood + R"(,"now":null})", "項目 \"now\" は文字列で指定してください"},
        LineCase{"MissingDate", "{}", "項目 \"date\" がありません"},
        LineCase{"EscapedNulInValue", R"({"date":"1990-05-03","hour":"14\u0000","minute":"27"})",
                 std::string("時は 0 から 23 までの数か ? で指定してください: 14") + '\0'},
        LineCase{"LongNowQuotedShort", "{" + kGood + R"(,"now":")" + std::string(1000, '9') + "\"}",
                 "now は YYYY-MM-DDTHH:MM の形で指定してください: " + std::string(40, '9') + "…"},
        LineCase{"NowYearZero", "{" + kGood + R"(,"now":"0000-01-01T00:00"})",
                 "now は YYYY-MM-DDTHH:MM の形で指定してください: 0000-01-01T00:00"}),
    [](const auto& info) { return std::string(info.param.name); });

// The strict [-]MINUTES:SECONDS grammar, for --jisa and for the two batch fields.
struct JisaCase {
  const char* text;
  bool accepted;
};

class JisaGrammar : public ::testing::TestWithParam<JisaCase> {};

TEST_P(JisaGrammar, OptionAndBatchFieldsAgree) {
  const JisaCase& c = GetParam();
  std::string minutes, seconds;
  EXPECT_EQ(ParseJisa(c.text, minutes, seconds), c.accepted) << c.text;

  const std::string text = c.text;
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return;
  const std::string line = "{\"date\":\"1990-05-03\",\"hour\":\"14\",\"minute\":\"27\",\"jisaMinutes\":\"" +
                           text.substr(0, colon) + "\",\"jisaSeconds\":\"" + text.substr(colon + 1) + "\"}";
  std::string error;
  const bool batchAccepted = ParseBatchLine(line, error).has_value();
  // A text holding a second colon splits into two fields the batch line may accept.
  if (text.find(':', colon + 1) != std::string::npos) return;
  EXPECT_EQ(batchAccepted, c.accepted) << line << " " << error;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JisaGrammar,
    ::testing::Values(
        JisaCase{"0:0", true}, JisaCase{"-5:30", true}, JisaCase{"-0:30", true}, JisaCase{"12:05", true},
        JisaCase{"0:59", true}, JisaCase{"123456789:0", true}, JisaCase{"abc:def", false}, JisaCase{"nan:0", false},
        JisaCase{"inf:0", false}, JisaCase{"0x10:0", false}, JisaCase{"--5:0", false}, JisaCase{"０:０", false},
        JisaCase{":", false}, JisaCase{"5:0:0", false}, JisaCase{"1e3:0", false}, JisaCase{"0:60", false},
        JisaCase{"0:-1", false}, JisaCase{"0:86400", false}, JisaCase{"-5:-30", false}, JisaCase{"-0:-30", false},
        JisaCase{"+5:0", false}, JisaCase{" 5:0", false}, JisaCase{"5: 0", false}, JisaCase{"5:", false},
        JisaCase{":5", false}, JisaCase{"-:5", false}, JisaCase{"1234567890:0", false}, JisaCase{"5", false}));

}  // namespace
}  // namespace mireto::exchange
