#pragma once
// Where the toolkit's own plain editor would keep each character of the multi-line
// field's text in its store, followed through edits, undo and redo. That editor joins
// the removals of one key after another into one step of its undo history, and
// removes a character in one step, only where what it removes lies side by side in
// that store. The store only grows: what is put in goes at its end (typed text with
// line breaks before the separators they make), what is taken out stays in it, and
// undo and redo put text back where it was held. Positions are UTF-16 units of the
// text; line breaks count as one.
#include <cstddef>
#include <vector>

namespace fw {

class StoreOrder {
 public:
  // A text of `units` set afresh, held in order, with no history; with `apart`, what
  // goes in next does not follow it in the store.
  void Reset(size_t units, bool apart);
  // An edit: `removed` units at `at` replaced by `added` ones put in at the store's end,
  // `apart` as above, after which the undo history has `steps` steps. Where the units
  // do not add up (a change misreported), the text is taken as set afresh.
  void Edit(size_t at, size_t removed, size_t added, bool apart, int steps);
  // Undo or redo left the undo history with `steps` steps: the edits past them are
  // undone, those up to them redone. A text of another length than `units` afterwards
  // (the history not followed) is taken as set afresh.
  void Restore(int steps, size_t units);
  // True when the units before and after `at` lie side by side in the store; false at
  // either end of the text.
  bool Together(size_t at) const;
  // The first place after `from` and before `to` where they do not; `to` for none.
  size_t FirstApart(size_t from, size_t to) const;
  size_t Length() const { return length_; }

 private:
  struct Run {
    size_t units = 0;
    size_t store = 0;  // where its first unit is held
  };
  struct Record {
    size_t at = 0;
    std::vector<Run> removed;
    Run added;
    int steps = 0;
  };
  // The runs from `at` on to `at + units`, taken out of the text and answered; `put`
  // goes in their place.
  std::vector<Run> Replace(size_t at, size_t units, const std::vector<Run>& put);
  // The index of the run starting at `at`, a run split there if need be.
  size_t SplitAt(size_t at);
  // Runs side by side in the store around index `i` made one.
  void JoinAround(size_t i);
  static size_t Units(const std::vector<Run>& runs);

  std::vector<Run> runs_;  // the text in order
  size_t length_ = 0;
  size_t end_ = 0;  // where what goes in next is held
  std::vector<Record> history_;
  size_t done_ = 0;  // records of history_ not undone
};

}  // namespace fw
