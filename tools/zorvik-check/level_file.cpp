// Reading the first line of a level file.
#include "level_file.h"

#include <fstream>
#include <iterator>

namespace zorvik::check {

std::optional<std::string> readLevelLine(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return std::nullopt;
    return bytes.substr(0, bytes.find_first_of("\r\n"));
}

} // namespace zorvik::check
