#pragma once

namespace quelta {

// Digits drawn on the pixel grid, for numbers too small for any outline font to stay crisp:
// each digit is a grid of pixelDigitColumns × pixelDigitRows cells, scaled by whole pixels.
inline constexpr int pixelDigitColumns = 3;
inline constexpr int pixelDigitRows = 5;

// Whether the cell at `column`, `row` (from the top left) of `digit` (0–9) is inked.
bool isPixelDigitInked(int digit, int column, int row);

} // namespace quelta
