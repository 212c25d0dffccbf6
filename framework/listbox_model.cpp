#include "framework/listbox_model_qt.h"

#include <QMetaObject>
#include <algorithm>
#include <numeric>

#include "framework/control_widget_qt.h"

namespace fw {

namespace {
const String kNoText;

// Rows sort by text, ignoring case first so "abc" and "Abd" sort as a reader expects.
bool TextBefore(const QString& a, const QString& b) {
  const int c = a.compare(b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}
}  // namespace

int ListboxModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : RowCount(); }

int ListboxModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
  if ((role != Qt::DisplayRole && role != Qt::EditRole) || !Has(index.row(), index.column())) return {};
  return CRToLF(Cell(index.row(), index.column()));
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) return QAbstractTableModel::headerData(section, orientation, role);
  if (role != Qt::DisplayRole || section < 0 || section >= columns_) return {};
  return CRToLF(Heading(section));  // empty headings stay empty, not Qt's column numbers
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool ListboxModel::Has(int row, int column) const {
  return row >= 0 && row < RowCount() && column >= 0 && column < columns_;
}

const String& ListboxModel::Cell(int row, int column) const {
  return Has(row, column) ? rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] : kNoText;
}

void ListboxModel::SetCell(int row, int column, const String& text) {
  if (!Has(row, column)) return;
  rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = text;
  NoteChanged(row, column);
}

void ListboxModel::NoteChanged(int row, int column) {
  if (changed_) {
    changed_->top = std::min(changed_->top, row);
    changed_->bottom = std::max(changed_->bottom, row);
    changed_->left = std::min(changed_->left, column);
    changed_->right = std::max(changed_->right, column);
    return;
  }
  changed_ = Area{row, column, row, column};
  if (announcePosted_) return;
  announcePosted_ = true;
  // Dropped with the model when it goes first.
  QMetaObject::invokeMethod(
      this,
      [this] {
        announcePosted_ = false;
        AnnounceChanges();
      },
      Qt::QueuedConnection);
}

void ListboxModel::AnnounceChangesFrom(int row) {
  if (changed_ && changed_->bottom >= row) AnnounceChanges();
}

void ListboxModel::AnnounceChanges() {
  if (!changed_) return;
  const Area a = *changed_;
  changed_.reset();
  emit dataChanged(index(a.top, a.left), index(a.bottom, a.right), {Qt::DisplayRole, Qt::EditRole});
}

void ListboxModel::InsertRow(int row, const String& firstCell) {
  row = std::clamp(row, 0, RowCount());
  AnnounceChangesFrom(row);
  beginInsertRows(QModelIndex(), row, row);
  std::vector<String> cells(static_cast<size_t>(columns_));
  cells[0] = firstCell;
  rows_.insert(rows_.begin() + row, std::move(cells));
  endInsertRows();
}

void ListboxModel::RemoveRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  AnnounceChangesFrom(row);
  beginRemoveRows(QModelIndex(), row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void ListboxModel::RemoveAllRows() {
  changed_.reset();  // no row left to repaint
  if (rows_.empty()) return;
  beginRemoveRows(QModelIndex(), 0, RowCount() - 1);
  rows_.clear();
  endRemoveRows();
}

void ListboxModel::SetColumnCount(int n) {
  n = std::max(1, n);
  if (n == columns_) return;
  AnnounceChanges();
  const bool growing = n > columns_;
  if (growing) beginInsertColumns(QModelIndex(), columns_, n - 1);
  else beginRemoveColumns(QModelIndex(), n, columns_ - 1);
  columns_ = n;
  headings_.resize(static_cast<size_t>(n));
  for (auto& cells : rows_) cells.resize(static_cast<size_t>(n));
  if (growing) endInsertColumns();
  else endRemoveColumns();
}

const String& ListboxModel::Heading(int column) const {
  return column >= 0 && column < columns_ ? headings_[static_cast<size_t>(column)] : kNoText;
}

void ListboxModel::SetHeading(int column, const String& text) {
  if (column < 0 || column >= columns_) return;
  headings_[static_cast<size_t>(column)] = text;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

void ListboxModel::SortBy(int column, bool ascending) {
  if (column < 0 || column >= columns_) return;
  AnnounceChanges();
  // Compared as the table shows them.
  std::vector<QString> keys;
  keys.reserve(rows_.size());
  for (const auto& cells : rows_) keys.push_back(CRToLF(cells[static_cast<size_t>(column)]));
  std::vector<int> order(rows_.size());  // order[new row] = old row
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const QString& x = keys[static_cast<size_t>(a)];
    const QString& y = keys[static_cast<size_t>(b)];
    return ascending ? TextBefore(x, y) : TextBefore(y, x);
  });

  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::vector<int> newRow(order.size());
  std::vector<std::vector<String>> sorted;
  sorted.reserve(rows_.size());
  for (size_t r = 0; r < order.size(); ++r) {
    newRow[static_cast<size_t>(order[r])] = static_cast<int>(r);
    sorted.push_back(std::move(rows_[static_cast<size_t>(order[r])]));
  }
  rows_ = std::move(sorted);
  // The selection and the current row follow their rows.
  const QModelIndexList from = persistentIndexList();
  QModelIndexList to;
  to.reserve(from.size());
  for (const QModelIndex& i : from) to.append(index(newRow[static_cast<size_t>(i.row())], i.column()));
  changePersistentIndexList(from, to);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace fw
