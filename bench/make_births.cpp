// mireto-births: seeded random births as mireto-chart --batch lines, for the
// batch benchmark and the batch golden files.
//
//   mireto-births [--seed N] [--count N] [--first-year Y] [--last-year Y]
//                 [--bad-percent P] [--vary-now] [--vary-form]
//
// Each line is one JSON object with the keys of a batch line. The same seed
// gives the same lines on every machine: only the raw 64-bit output of
// std::mt19937_64 is used (its sequence is fixed by the C++ standard), never a
// library distribution.
//   --bad-percent P  about P % of the lines are refused by mireto-chart
//                    (impossible dates, out-of-range fields, broken JSON, ...)
//   --vary-now       each line carries its own "now" (otherwise 2026-12-07T12:00)
//   --vary-form      optional keys left out, key order shuffled, blanks between
//                    tokens and \u escapes in some strings
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Settings {
  std::uint64_t seed = 1;
  long count = 100000;
  int firstYear = 1900;
  int lastYear = 2080;
  int badPercent = 0;
  bool varyNow = false;
  bool varyForm = false;
};

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  // A whole number in [low, high] (the tiny modulo bias does not matter here).
  int Between(int low, int high) {
    const auto span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(engine_() % span);
  }
  bool Percent(int p) { return Between(0, 99) < p; }

 private:
  std::mt19937_64 engine_;
};

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int MonthLength(int y, int m) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

std::string Format(const char* pattern, int a, int b, int c) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}

struct Field {
  std::string key;
  std::string value;  // already a JSON value (quoted string, number, ...)
};

// A JSON string whose characters are sometimes written as \u escapes.
std::string Quoted(std::string_view text, Random& random, bool vary) {
  std::string out = "\"";
  for (char c : text) {
    if (vary && random.Percent(5)) {
      out += Format("\\u%04x", static_cast<unsigned char>(c), 0, 0);
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::vector<Field> GoodFields(const Settings& s, Random& random) {
  const int year = random.Between(s.firstYear, s.lastYear);
  const int month = random.Between(1, 12);
  const int day = random.Between(1, MonthLength(year, month));
  std::string hour = random.Percent(5) ? "?" : std::to_string(random.Between(0, 23));
  std::string minute = random.Percent(5) ? "?" : std::to_string(random.Between(0, 59));
  if (s.varyForm && hour != "?" && hour.size() == 1 && random.Percent(10)) hour = "0" + hour;
  int jisaMinutes = random.Between(-60, 60);
  std::string minutesText = std::to_string(jisaMinutes);
  if (jisaMinutes == 0 && random.Percent(50)) minutesText = "-0";
  const std::string secondsText = std::to_string(random.Between(0, 59));
  std::string now = "2026-12-07T12:00";
  if (s.varyNow) {
    const int ny = random.Between(1800, 2100);
    const int nm = random.Between(1, 12);
    now = Format("%04d-%02d-%02d", ny, nm, random.Between(1, MonthLength(ny, nm))) +
          Format("T%02d:%02d", random.Between(0, 23), random.Between(0, 59), 0);
  }
  const bool vary = s.varyForm;
  std::vector<Field> fields = {
      {"date", Quoted(Format("%04d-%02d-%02d", year, month, day), random, vary)},
      {"hour", Quoted(hour, random, vary)},
      {"minute", Quoted(minute, random, vary)},
      {"sex", Quoted(random.Percent(50) ? "M" : "F", random, vary)},
      {"jisaMinutes", Quoted(minutesText, random, vary)},
      {"jisaSeconds", Quoted(secondsText, random, vary)},
      {"now", Quoted(now, random, vary)},
  };
  if (vary) {
    // Optional keys (sex, the time difference) left out now and then.
    for (std::size_t i = fields.size(); i-- > 3;) {
      if (fields[i].key != "now" && random.Percent(8)) fields.erase(fields.begin() + static_cast<long>(i));
    }
    // A shuffled key order now and then.
    if (random.Percent(20)) {
      for (std::size_t i = fields.size() - 1; i > 0; --i) {
        std::swap(fields[i], fields[static_cast<std::size_t>(random.Between(0, static_cast<int>(i)))]);
      }
    }
  }
  return fields;
}

void SetField(std::vector<Field>& fields, const std::string& key, const std::string& value) {
  for (Field& f : fields) {
    if (f.key == key) {
      f.value = value;
      return;
    }
  }
  fields.push_back({key, value});
}

void RemoveField(std::vector<Field>& fields, const std::string& key) {
  std::erase_if(fields, [&](const Field& f) { return f.key == key; });
}

// One of the ways a line is refused, applied to a good line's fields. The
// result is the whole line when the break is in the JSON itself.
std::string BreakLine(std::vector<Field>& fields, Random& random) {
  switch (random.Between(0, 11)) {
    case 0: SetField(fields, "date", "\"2001-02-29\""); break;
    case 1: SetField(fields, "date", random.Percent(50) ? "\"1799-12-31\"" : "\"2081-01-01\""); break;
    case 2: SetField(fields, "hour", "\"24\""); break;
    case 3: SetField(fields, "minute", "\"60\""); break;
    case 4: SetField(fields, "date", "\"2000-1-1\""); break;
    case 5: RemoveField(fields, "date"); break;
    case 6: SetField(fields, "hour", "14"); break;
    case 7: SetField(fields, "now", "\"2026-13-01T00:00\""); break;
    case 8: SetField(fields, "jisaMinutes", "\"1441\""); break;
    case 9: SetField(fields, "sex", "\"X\""); break;
    case 10: return "not json";
    default: return "[1,2,3]";
  }
  return {};
}

std::string Line(const std::vector<Field>& fields, Random& random, bool vary) {
  const char* gap = vary && random.Percent(15) ? " " : "";
  std::string out = "{";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out += std::string(",") + gap;
    out += "\"" + fields[i].key + "\":" + gap + fields[i].value;
  }
  return out + "}";
}

bool ParseArgs(int argc, char** argv, Settings& s) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--vary-now") {
      s.varyNow = true;
    } else if (arg == "--vary-form") {
      s.varyForm = true;
    } else if (hasValue && arg == "--seed") {
      s.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (hasValue && arg == "--count") {
      s.count = std::strtol(argv[++i], nullptr, 10);
    } else if (hasValue && arg == "--first-year") {
      s.firstYear = std::atoi(argv[++i]);
    } else if (hasValue && arg == "--last-year") {
      s.lastYear = std::atoi(argv[++i]);
    } else if (hasValue && arg == "--bad-percent") {
      s.badPercent = std::atoi(argv[++i]);
    } else {
      return false;
    }
  }
  return s.count >= 0 && s.firstYear <= s.lastYear;
}

}  // namespace

int main(int argc, char** argv) {
  Settings settings;
  if (!ParseArgs(argc, argv, settings)) {
    std::fprintf(stderr,
                 "usage: mireto-births [--seed N] [--count N] [--first-year Y] [--last-year Y]"
                 " [--bad-percent P] [--vary-now] [--vary-form]\n");
    return 2;
  }
  Random random(settings.seed);
  std::string out;
  for (long n = 0; n < settings.count; ++n) {
    std::vector<Field> fields = GoodFields(settings, random);
    std::string line;
    if (settings.badPercent > 0 && random.Percent(settings.badPercent)) line = BreakLine(fields, random);
    if (line.empty()) line = Line(fields, random, settings.varyForm);
    out += line;
    out += '\n';
    if (out.size() > (1 << 16)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
