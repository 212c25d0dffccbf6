#pragma once
// The shared tables are resizable arrays of text counted from 0 up to an inclusive
// upper bound, as the program's tables are described: nota(day 0..31, month 0..12).
// Resizing keeps what stays inside the new bounds and fills new elements with "".
// An index outside the bounds throws std::out_of_range rather than touching memory
// that is not there; the handlers that call into the store run guarded.
#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/text.h"

namespace Globali {

// Two dimensions: (first index, second index).
class TextTable {
 public:
  TextTable(int32_t ubound1, int32_t ubound2) { Redim(ubound1, ubound2); }

  fw::String& operator()(int32_t i, int32_t j) { return cells_[Offset(i, j)]; }
  const fw::String& operator()(int32_t i, int32_t j) const { return cells_[Offset(i, j)]; }

  // Upper bound of dimension 1 or 2.
  int32_t Ubound(int dimension) const { return dimension == 1 ? ubound1_ : ubound2_; }

  void Redim(int32_t ubound1, int32_t ubound2) {
    if (ubound1 < -1 || ubound2 < -1) throw std::out_of_range("TextTable::Redim");
    if (ubound2 == ubound2_) {
      // Rows added or dropped at the end: the others keep their places, and growing
      // one row at a time costs no copy of the whole table.
      cells_.resize(static_cast<size_t>(ubound1 + 1) * static_cast<size_t>(ubound2 + 1));
      ubound1_ = ubound1;
      return;
    }
    std::vector<fw::String> cells(static_cast<size_t>(ubound1 + 1) * static_cast<size_t>(ubound2 + 1));
    const int32_t keep1 = std::min(ubound1, ubound1_), keep2 = std::min(ubound2, ubound2_);
    for (int32_t i = 0; i <= keep1; ++i)
      for (int32_t j = 0; j <= keep2; ++j)
        cells[static_cast<size_t>(i) * static_cast<size_t>(ubound2 + 1) + static_cast<size_t>(j)] =
            std::move(cells_[Offset(i, j)]);
    cells_.swap(cells);
    ubound1_ = ubound1;
    ubound2_ = ubound2;
  }

  // Same bounds and the same text in every cell.
  bool operator==(const TextTable&) const = default;

 private:
  size_t Offset(int32_t i, int32_t j) const {
    if (i < 0 || i > ubound1_ || j < 0 || j > ubound2_) throw std::out_of_range("TextTable index");
    return static_cast<size_t>(i) * static_cast<size_t>(ubound2_ + 1) + static_cast<size_t>(j);
  }

  int32_t ubound1_ = -1, ubound2_ = -1;
  std::vector<fw::String> cells_;
};

// One dimension.
class TextList {
 public:
  explicit TextList(int32_t ubound) { Redim(ubound); }

  fw::String& operator()(int32_t i) { return items_.at(Checked(i)); }
  const fw::String& operator()(int32_t i) const { return items_.at(Checked(i)); }
  int32_t Ubound() const { return static_cast<int32_t>(items_.size()) - 1; }
  void Redim(int32_t ubound) {
    if (ubound < -1) throw std::out_of_range("TextList::Redim");
    items_.resize(static_cast<size_t>(ubound + 1));
  }

 private:
  static size_t Checked(int32_t i) {
    if (i < 0) throw std::out_of_range("TextList index");
    return static_cast<size_t>(i);
  }
  std::vector<fw::String> items_;
};

}  // namespace Globali
