// Where the toolkit's own plain editor would keep the characters of the text: runs of
// units held one after another, in the order of the text.
#include "framework/multiline_store_order.h"

#include <algorithm>
#include <cstddef>

namespace fw {

void StoreOrder::Reset(size_t units, bool apart) {
  runs_.clear();
  if (units > 0) runs_.push_back({units, 0});
  length_ = units;
  end_ = units + (apart ? 1 : 0);
  history_.clear();
  done_ = 0;
}

void StoreOrder::Edit(size_t at, size_t removed, size_t added, bool apart, int steps) {
  if (at + removed > length_) {
    Reset(length_ - std::min(removed, length_) + added, true);
    return;
  }
  Record record{at, {}, {added, end_}, steps};
  record.removed = Replace(at, removed, added > 0 ? std::vector<Run>{record.added} : std::vector<Run>{});
  end_ += added + (apart ? 1 : 0);
  history_.resize(done_);
  // Typing on in one step of the undo history is one record: the history stays small.
  if (Record* last = done_ > 0 ? &history_.back() : nullptr;
      last && last->steps == steps && record.removed.empty() && last->at + last->added.units == at &&
      last->added.store + last->added.units == record.added.store) {
    last->added.units += added;
    return;
  }
  history_.push_back(std::move(record));
  done_ = history_.size();
}

void StoreOrder::Restore(int steps, size_t units) {
  for (; done_ > 0 && history_[done_ - 1].steps > steps; --done_) {
    const Record& r = history_[done_ - 1];
    if (r.at + r.added.units > length_) break;
    Replace(r.at, r.added.units, r.removed);
  }
  for (; done_ < history_.size() && history_[done_].steps <= steps; ++done_) {
    const Record& r = history_[done_];
    if (r.at + Units(r.removed) > length_) break;
    Replace(r.at, Units(r.removed), r.added.units > 0 ? std::vector<Run>{r.added} : std::vector<Run>{});
  }
  if (length_ != units) Reset(units, true);
}

bool StoreOrder::Together(size_t at) const {
  if (at == 0 || at >= length_) return false;
  size_t start = 0;
  for (size_t i = 0; i < runs_.size(); start += runs_[i++].units) {
    if (at < start + runs_[i].units) {
      return at > start || runs_[i - 1].store + runs_[i - 1].units == runs_[i].store;
    }
  }
  return false;
}

size_t StoreOrder::FirstApart(size_t from, size_t to) const {
  size_t start = 0;
  for (size_t i = 0; i < runs_.size() && start < to; start += runs_[i++].units)
    if (start > from && runs_[i - 1].store + runs_[i - 1].units != runs_[i].store) return start;
  return to;
}

std::vector<StoreOrder::Run> StoreOrder::Replace(size_t at, size_t units, const std::vector<Run>& put) {
  const size_t first = SplitAt(at);
  const size_t last = SplitAt(at + units);
  std::vector<Run> taken(runs_.begin() + static_cast<std::ptrdiff_t>(first),
                         runs_.begin() + static_cast<std::ptrdiff_t>(last));
  runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(first), runs_.begin() + static_cast<std::ptrdiff_t>(last));
  runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(first), put.begin(), put.end());
  length_ = length_ - units + Units(put);
  JoinAround(first + put.size());
  JoinAround(first);
  return taken;
}

size_t StoreOrder::SplitAt(size_t at) {
  size_t start = 0;
  for (size_t i = 0; i < runs_.size(); start += runs_[i++].units) {
    if (at == start) return i;
    if (at < start + runs_[i].units) {
      const Run later{start + runs_[i].units - at, runs_[i].store + (at - start)};
      runs_[i].units = at - start;
      runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(i) + 1, later);
      return i + 1;
    }
  }
  return runs_.size();
}

void StoreOrder::JoinAround(size_t i) {
  if (i == 0 || i >= runs_.size()) return;
  Run& before = runs_[i - 1];
  if (before.store + before.units != runs_[i].store) return;
  before.units += runs_[i].units;
  runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(i));
}

size_t StoreOrder::Units(const std::vector<Run>& runs) {
  size_t units = 0;
  for (const Run& r : runs) units += r.units;
  return units;
}

}  // namespace fw
