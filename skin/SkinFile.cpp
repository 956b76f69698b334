#include "skin/SkinFile.h"
#include <cctype>

namespace {

std::string Trim(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1])))
        --last;
    return text.substr(first, last - first);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<unsigned> ParseSkinColour(const std::string& text)
{
    if (text.size() != 7 || text[0] != '#')
        return std::nullopt;
    unsigned rgb = 0;
    for (size_t i = 1; i < 7; ++i) {
        const int digit = HexDigit(text[i]);
        if (digit < 0)
            return std::nullopt;
        rgb = (rgb << 4) | static_cast<unsigned>(digit);
    }
    const unsigned red = (rgb >> 16) & 0xFF;
    const unsigned green = (rgb >> 8) & 0xFF;
    const unsigned blue = rgb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

std::optional<unsigned> FindSkinBackground(const std::string& fileText, const std::string& name)
{
    bool inObject = false;
    std::optional<unsigned> background;
    for (size_t start = 0; start < fileText.size();) {
        size_t end = fileText.find('\n', start);
        if (end == std::string::npos)
            end = fileText.size();
        const std::string line = Trim(fileText.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            inObject = Trim(line.substr(1, line.size() - 2)) == name;
            continue;
        }
        const size_t equals = line.find('=');
        if (!inObject || equals == std::string::npos)
            continue;
        if (Trim(line.substr(0, equals)) != "background")
            continue;
        if (const std::optional<unsigned> colour = ParseSkinColour(Trim(line.substr(equals + 1))))
            background = colour;
    }
    return background;
}
