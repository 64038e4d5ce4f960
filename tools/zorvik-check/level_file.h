// Reading a level file the way the game does: its first line, as Windows-1252 bytes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zorvik::check {

// The first line without its line end; nothing when the file cannot be read.
std::optional<std::string> readLevelLine(const std::filesystem::path& file);

} // namespace zorvik::check
