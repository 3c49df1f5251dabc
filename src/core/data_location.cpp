#include "core/data_location.h"

#include <system_error>

#include "core/data_digest.h"
#include "core/utf8_path.h"

namespace mireto {

namespace fs = std::filesystem;

namespace {

// The folder of an existing file, symbolic links resolved.
std::optional<fs::path> FolderOf(const fs::path& file) {
  std::error_code ec;
  const fs::path resolved = fs::canonical(file, ec);
  if (ec || !fs::is_regular_file(resolved, ec)) return std::nullopt;
  return resolved.parent_path();
}

// The first executable file called `name` in a colon-separated folder list;
// an empty entry stands for the current directory, as for the shell.
std::optional<fs::path> FindOnSearchPath(std::string_view name, std::string_view searchPath) {
  for (std::size_t start = 0; start <= searchPath.size();) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string_view::npos) end = searchPath.size();
    const std::string_view entry = searchPath.substr(start, end - start);
    const fs::path candidate = fs::path(entry.empty() ? std::string_view(".") : entry) / name;
    if (MayExecute(candidate)) {
      if (auto folder = FolderOf(candidate)) return folder;
    }
    start = end + 1;
  }
  return std::nullopt;
}

}  // namespace

std::optional<fs::path> ProgramDirectory(const fs::path& selfLink, std::string_view argv0,
                                         std::string_view searchPath) {
  std::error_code ec;
  const fs::path executable = fs::read_symlink(selfLink, ec);
  if (!ec && executable.is_absolute()) {
    if (auto folder = FolderOf(executable)) return folder;
  }
  if (argv0.empty()) return std::nullopt;
  if (argv0.find('/') != std::string_view::npos) return FolderOf(PathFromUtf8(argv0));
  return FindOnSearchPath(argv0, searchPath);
}

std::vector<fs::path> DataDirectories(const fs::path& programDirectory) {
  const fs::path program = fs::absolute(programDirectory).lexically_normal();
  return {program, (program / ".." / "share" / "mireto").lexically_normal()};
}

TablesOrError LoadTablesBesideProgram(const fs::path& programDirectory) {
  const std::vector<fs::path> directories = DataDirectories(programDirectory);
  for (const fs::path& directory : directories) {
    std::error_code ec;
    if (fs::exists(directory / kPlanetFileName, ec)) return LoadShippedCalendarTables(directory);
  }
  return LoadShippedCalendarTables(directories.front());
}

TablesOrError LoadProgramTables(std::string_view argv0) {
  const auto directory = ProgramDirectory(argv0);
  if (!directory)
    return TablesOrError{std::nullopt, "プログラムのあるフォルダーが分からないため、" + std::string(kPlanetFileName) +
                                           " と " + std::string(kLatitudeFileName) +
                                           " を探せません（起動したコマンド: \"" + QuotedExcerpt(argv0) + "\"）"};
  return LoadTablesBesideProgram(*directory);
}

}  // namespace mireto
