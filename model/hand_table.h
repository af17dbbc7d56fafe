#pragma once

#include <array>
#include <string>

namespace quintel {

// All 252 five-dice hands, ranked. Row = shape class + 1 (1..7); position 1 is the weakest hand of
// the class. Every other entry is the empty text.
class HandTable {
public:
    static constexpr int kRows = 9;
    static constexpr int kPositions = 62;
    // Hands in each shape class 0..6.
    static constexpr std::array<int, 7> kClassSizes{6, 60, 60, 60, 30, 30, 6};

    static const HandTable& instance();

    // Empty text for any entry outside the table or outside a class.
    const std::string& operator()(int row, int position) const;

    static int classSize(int shapeClass);

private:
    HandTable();
    std::array<std::array<std::string, kPositions>, kRows> entries_;
};

} // namespace quintel
