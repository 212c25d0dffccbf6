#pragma once
// The rows of a list box as a table model: a plain vector of rows of the program's
// texts, turned into the toolkit's strings only for the cells on screen, so that
// filling a list of many thousand rows makes no object per cell.
#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <vector>

#include "framework/text.h"

namespace fw {

class ListboxModel : public QAbstractTableModel {
 public:
  explicit ListboxModel(QObject* parent) : QAbstractTableModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Texts as the program set them (CR between lines). Outside the table: "" / ignored.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  int ColumnCount() const { return columns_; }
  const String& Cell(int row, int column) const;
  void SetCell(int row, int column, const String& text);
  void InsertRow(int row, const String& firstCell);  // row within 0..RowCount()
  void RemoveRow(int row);
  void RemoveAllRows();
  void SetColumnCount(int n);  // at least 1; new cells and headings empty
  const String& Heading(int column) const;
  void SetHeading(int column, const String& text);
  // Stable: rows with equal texts keep their order, in either direction.
  void SortBy(int column, bool ascending);

 private:
  bool Has(int row, int column) const;
  // Changed cells are announced to the view once, from the event loop (or before the
  // rows change): the view only repaints them there, and one notice per cell was most
  // of the cost of filling a long list.
  void NoteChanged(int row, int column);
  void AnnounceChanges();
  // Before rows from `row` on move: their changes are announced while their numbers
  // are still right.
  void AnnounceChangesFrom(int row);
  struct Area {
    int top, left, bottom, right;
  };
  std::optional<Area> changed_;
  bool announcePosted_ = false;

  std::vector<std::vector<String>> rows_;
  std::vector<String> headings_{String()};
  int columns_ = 1;
};

}  // namespace fw
