#include "hostsim/gui/resource_files.h"

#include <charconv>

#include "hostsim/core/text.h"

namespace hostsim {

namespace {

std::optional<int32_t> decimalId(std::string_view text) {
  int32_t id = 0;
  if (text.empty() || text.size() > 9) return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size() || id < 0) return std::nullopt;
  return id;
}

std::string unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '\\': out += '\\'; break;
      default:  // not an escape: keep both characters
        out += '\\';
        out += text[i];
        break;
    }
  }
  return out;
}

void readLine(std::string_view line, int number, StringTable& table) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.empty() || line.front() == '#') return;
  const std::string where = "line " + std::to_string(number) + ": ";
  const size_t tab = line.find('\t');
  const auto id = decimalId(line.substr(0, tab));
  if (tab == std::string_view::npos || !id) {
    table.problems.push_back(where + "not of the form id<TAB>text");
    return;
  }
  const std::string utf8 = unescape(line.substr(tab + 1));
  auto text = fromUtf8(utf8);
  if (!text) {
    table.problems.push_back(where + "not UTF-8; bad bytes replaced");
    text = fromUtf8Lossy(utf8);
  }
  if (!table.texts.emplace(*id, std::move(*text)).second)
    table.problems.push_back(where + "id " + std::to_string(*id) + " given twice; the first is kept");
}

}  // namespace

StringTable parseStringTable(std::string_view content) {
  StringTable table;
  int number = 0;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    readLine(content.substr(start, end - start), ++number, table);
    start = end + 1;
  }
  return table;
}

std::optional<std::filesystem::path> resourceSetDirectory(const std::filesystem::path& root, std::string_view name) {
  if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\") != std::string_view::npos ||
      name.find('\0') != std::string_view::npos)
    return std::nullopt;
  std::error_code ec;
  const std::filesystem::path dir = root / std::string(name);
  if (!std::filesystem::is_directory(dir, ec)) return std::nullopt;
  return dir;
}

std::map<int32_t, std::filesystem::path> resourceImageFiles(const std::filesystem::path& setDirectory) {
  std::map<int32_t, std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(setDirectory / "images", ec)) {
    const auto& path = entry.path();
    if (path.extension() != ".png" || !entry.is_regular_file(ec)) continue;
    if (const auto id = decimalId(path.stem().string())) files.emplace(*id, path);
  }
  return files;
}

}  // namespace hostsim
