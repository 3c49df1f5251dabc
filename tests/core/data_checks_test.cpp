// The checks around the data-file loader: the size limit, short quotes of bad
// values, the shipped-values digest and the search for the data folder.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/data_digest.h"
#include "core/data_files.h"
#include "core/data_location.h"
#include "core/utf8_path.h"
#include "test_support.h"
#include "test_system.h"

namespace mireto {
namespace {

namespace fs = std::filesystem;

// A fresh temporary folder with files written into it, removed afterwards.
class Scratch {
 public:
  const fs::path& root() const { return folder_.path(); }
  fs::path Write(const fs::path& relative, const std::string& text) const {
    fs::path path = root() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  // A folder holding the shipped data files.
  fs::path WithShippedFiles(const fs::path& relative) const {
    for (std::string_view name : {kPlanetFileName, kLatitudeFileName})
      Write(relative / name, test::ReadFile(test::BinDirectory() / name));
    return root() / relative;
  }

 private:
  test::TempFolder folder_{"mireto-checks-"};
};

std::string Shipped(std::string_view name) { return test::ReadFile(test::BinDirectory() / name); }

// ---- size limit -----------------------------------------------------------

struct SizeCase {
  const char* name;
  std::string_view file;
  std::uintmax_t size;  // of the damaged file: the shipped text, then NUL bytes
  bool loads;
};

class DataFileSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DataFileSize, FilesBeyondTheLimitAreRefusedBeforeTheyAreRead) {
  const SizeCase& c = GetParam();
  const Scratch scratch;
  const fs::path folder = scratch.WithShippedFiles("data");
  const fs::path damaged = folder / c.file;
  // The file grows (sparse) by NUL bytes after its last line, which the
  // loader never reaches: only the size differs from the shipped file.
  fs::resize_file(damaged, c.size);
  const TablesOrError loaded = LoadCalendarTables(folder);
  if (c.loads) {
    EXPECT_TRUE(loaded.tables) << loaded.error;
    return;
  }
  ASSERT_FALSE(loaded.tables);
  EXPECT_EQ(loaded.error.rfind(c.file, 0), 0u) << loaded.error;
  EXPECT_NE(loaded.error.find("大きすぎます"), std::string::npos) << loaded.error;
  EXPECT_NE(loaded.error.find(std::to_string(kDataFileMaxBytes)), std::string::npos) << loaded.error;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DataFileSize,
    ::testing::Values(SizeCase{"PlanetAtTheLimit", kPlanetFileName, kDataFileMaxBytes, true},
                      SizeCase{"PlanetOneByteOver", kPlanetFileName, kDataFileMaxBytes + 1, false},
                      SizeCase{"PlanetTwoGigabytes", kPlanetFileName, std::uintmax_t{2} << 30, false},
                      SizeCase{"LatitudeOneByteOver", kLatitudeFileName, kDataFileMaxBytes + 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- quoting a bad value --------------------------------------------------

std::string Repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

struct QuoteCase {
  const char* name;
  std::string token;
  std::string quoted;
};

class BadValueQuote : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(BadValueQuote, AtMostFortyBytesOfWholeCharactersWithoutControlBytes) {
  const QuoteCase& c = GetParam();
  EXPECT_EQ(QuotedExcerpt(c.token), c.quoted);
  // The same quote in the loader's message about a bad amplitude of row 1.
  const std::string planet = "1,-1,1," + c.token + ",243,28,335\n";
  const TablesOrError result = ParseCalendarTables(planet, "");
  ASSERT_FALSE(result.tables);
  EXPECT_NE(result.error.find("\"" + c.quoted + "\""), std::string::npos) << result.error;
  EXPECT_LT(result.error.size(), 160u);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, BadValueQuote,
    ::testing::Values(QuoteCase{"Short", "12x", "12x"},
                      QuoteCase{"ExactlyForty", std::string(39, '9') + "x", std::string(39, '9') + "x"},
                      QuoteCase{"TenMegabytes", std::string(10 << 20, 'x'), std::string(40, 'x') + "…"},
                      // 13 three-byte characters are 39 bytes; the 14th would cross 40.
                      QuoteCase{"CutBeforeAWideCharacter", "x" + Repeat("数", 20), "x" + Repeat("数", 13) + "…"},
                      QuoteCase{"NulAndEscape",
                                std::string("1\0\x1b"
                                            "2",
                                            4),
                                "1??2"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- the shipped-values digest --------------------------------------------

TEST(ShippedValues, Sha256OfKnownTexts) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

struct DigestCase {
  const char* name;
  std::string_view file;
  std::string (*edit)(std::string);
  bool accepted;
};

std::string CrLf(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

std::string CutInsideTheLastNumber(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  text.pop_back();  // "…,194" becomes "…,19": still a number
  return text;
}

std::string OneDigitChanged(std::string text) {
  // The first amplitude: "1,-1,1,0.013,…" becomes "1,-1,1,0.014,…".
  const std::size_t at = text.find("0.013");
  if (at != std::string::npos) text[at + 4] = '4';
  else text[text.find('.') + 1] ^= 1;
  return text;
}

class ShippedDigest : public ::testing::TestWithParam<DigestCase> {};

TEST_P(ShippedDigest, ValuesNotLayoutAreCompared) {
  const DigestCase& c = GetParam();
  const Scratch scratch;
  const fs::path folder = scratch.WithShippedFiles("data");
  scratch.Write(fs::path("data") / c.file, c.edit(Shipped(c.file)));
  // The damaged file still parses: only the digest tells.
  ASSERT_TRUE(LoadCalendarTables(folder).tables);
  const TablesOrError checked = LoadShippedCalendarTables(folder);
  if (c.accepted) {
    EXPECT_TRUE(checked.tables) << checked.error;
    return;
  }
  ASSERT_FALSE(checked.tables);
  EXPECT_EQ(checked.error.rfind(c.file, 0), 0u) << checked.error;
  EXPECT_NE(checked.error.find("壊れています"), std::string::npos) << checked.error;
  EXPECT_NE(checked.error.find((folder / c.file).string()), std::string::npos) << checked.error;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ShippedDigest,
    ::testing::Values(DigestCase{"PlanetAsShipped", kPlanetFileName, [](std::string t) { return t; }, true},
                      DigestCase{"PlanetCrLfAndBom", kPlanetFileName,
                                 [](std::string t) {
                                   t = "\xEF\xBB\xBF" + CrLf(t);
                                   return t;
                                 },
                                 true},
                      DigestCase{"PlanetTrailingText", kPlanetFileName,
                                 [](std::string t) {
                                   t += "1,1,1,1,1,1,1\nnever read\n";
                                   return t;
                                 },
                                 true},
                      DigestCase{"PlanetCutInsideTheLastNumber", kPlanetFileName, CutInsideTheLastNumber, false},
                      DigestCase{"PlanetOneDigitChanged", kPlanetFileName, OneDigitChanged, false},
                      DigestCase{"LatitudeCutInsideTheLastNumber", kLatitudeFileName, CutInsideTheLastNumber, false},
                      DigestCase{"LatitudeOneDigitChanged", kLatitudeFileName, OneDigitChanged, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShippedDigest, AFileThatDoesNotParseIsReportedAsSuch) {
  const Scratch scratch;
  const fs::path folder = scratch.WithShippedFiles("data");
  scratch.Write(fs::path("data") / kPlanetFileName, "1,-1,1,zero\n");
  const TablesOrError checked = LoadShippedCalendarTables(folder);
  ASSERT_FALSE(checked.tables);
  EXPECT_NE(checked.error.find("数値ではありません"), std::string::npos) << checked.error;
}

// ---- where the data folder is ---------------------------------------------

// A program installed as <root>/libexec/mireto/prog with the data beside it
// and a link <root>/bin/prog -> ../libexec/mireto/prog.
class ProgramFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = scratch_.Write("libexec/mireto/prog", "#!/bin/sh\n");
    fs::permissions(program_, fs::perms::owner_all);
    fs::create_directories(scratch_.root() / "bin");
    fs::create_symlink("../libexec/mireto/prog", scratch_.root() / "bin" / "prog");
    programFolder_ = fs::canonical(program_.parent_path());
  }
  Scratch scratch_;
  fs::path program_;
  fs::path programFolder_;
  const fs::path noProc_ = "/nonexistent/self/exe";
};

TEST_F(ProgramFolder, FoundThroughTheSelfLinkWhenThereIsOne) {
  const fs::path link = scratch_.root() / "self-exe";
  fs::create_symlink(program_, link);
  EXPECT_EQ(ProgramDirectory(link, "whatever", ""), programFolder_);
}

TEST_F(ProgramFolder, WithoutProcTheCommandIsResolved) {
  const std::string linkInBin = (scratch_.root() / "bin" / "prog").string();
  // An absolute command through the link in bin/.
  EXPECT_EQ(ProgramDirectory(noProc_, linkInBin, ""), programFolder_);
  // A bare name along the search path, skipping folders without it.
  const std::string searchPath = "/nonexistent:" + (scratch_.root() / "bin").string() + ":/usr/bin";
  EXPECT_EQ(ProgramDirectory(noProc_, "prog", searchPath), programFolder_);
  // A relative command, against the current directory.
  const fs::path before = fs::current_path();
  fs::current_path(scratch_.root());
  const auto relative = ProgramDirectory(noProc_, "bin/prog", "");
  fs::current_path(before);
  EXPECT_EQ(relative, programFolder_);
}

TEST_F(ProgramFolder, NeverTheCurrentDirectoryByDefault) {
  const fs::path before = fs::current_path();
  fs::current_path(programFolder_);  // prog is right here, but not on the path
  const auto bare = ProgramDirectory(noProc_, "prog", "/nonexistent");
  const auto empty = ProgramDirectory(noProc_, "", "");
  fs::current_path(before);
  EXPECT_FALSE(bare);
  EXPECT_FALSE(empty);
  EXPECT_FALSE(ProgramDirectory(noProc_, "/nonexistent/prog", ""));
}

TEST_F(ProgramFolder, DataBesideTheProgramFirstThenShare) {
  // <program folder>/../share/mireto
  const fs::path share = scratch_.WithShippedFiles("libexec/share/mireto");
  EXPECT_EQ(DataDirectories(programFolder_), (std::vector<fs::path>{programFolder_, fs::canonical(share)}));
  // Only share/ holds the files: they load from there.
  EXPECT_TRUE(LoadTablesBesideProgram(programFolder_).tables);
  // The program's own folder wins once it holds a (here damaged) planet.txt.
  scratch_.Write("libexec/mireto/planet.txt", "1,-1,1,0.013\n");
  const TablesOrError own = LoadTablesBesideProgram(programFolder_);
  ASSERT_FALSE(own.tables);
  EXPECT_NE(own.error.find(programFolder_.string() + "/"), std::string::npos) << own.error;
}

TEST_F(ProgramFolder, NoDataAnywhereNamesTheProgramsOwnFolder) {
  const TablesOrError none = LoadTablesBesideProgram(programFolder_);
  ASSERT_FALSE(none.tables);
  EXPECT_NE(none.error.find("見つかりません: " + (programFolder_ / "planet.txt").string()), std::string::npos)
      << none.error;
}

// An install folder with a Japanese name (C:\Program Files\ミレト): the files
// load, and a message names the folder in UTF-8.
TEST(DataFolder, JapaneseFolderName) {
  Scratch scratch;
  const fs::path folder = scratch.WithShippedFiles(PathFromUtf8("ミレト データ"));
  EXPECT_TRUE(LoadTablesBesideProgram(folder).tables);
  fs::remove(folder / kLatitudeFileName);
  const TablesOrError missing = LoadTablesBesideProgram(folder);
  ASSERT_FALSE(missing.tables);
  EXPECT_NE(missing.error.find("ミレト データ"), std::string::npos) << missing.error;
}

}  // namespace
}  // namespace mireto
