#include "PixelDigits.h"

#include <array>
#include <cstdint>

namespace quelta {

namespace {

// One bit a cell, row by row from the top, the leftmost column in the highest bit of its row.
constexpr std::uint16_t glyph(const char (&rows)[16])
{
    std::uint16_t bits = 0;
    for (int cell = 0; cell < 15; ++cell)
        bits = std::uint16_t(bits << 1 | (rows[cell] == '#' ? 1 : 0));
    return bits;
}

constexpr std::array<std::uint16_t, 10> glyphs{
    glyph("####.##.##.####"), // 0
    glyph(".#.##..#..#.###"), // 1
    glyph("###..#####..###"), // 2
    glyph("###..#.##..####"), // 3
    glyph("#.##.####..#..#"), // 4
    glyph("####..###..####"), // 5
    glyph("####..####.####"), // 6
    glyph("###..#..#.#..#."), // 7
    glyph("####.#####.####"), // 8
    glyph("####.####..####"), // 9
};

} // namespace

bool isPixelDigitInked(int digit, int column, int row)
{
    if (digit < 0 || digit > 9 || column < 0 || column >= pixelDigitColumns || row < 0 || row >= pixelDigitRows)
        return false;
    const int cell = row * pixelDigitColumns + column;
    return (glyphs[std::size_t(digit)] >> (14 - cell)) & 1;
}

} // namespace quelta
