#pragma once
// A list of rows with columns and an optional heading row.
//
// - SortColumn(column) is raised when the user clicks a heading, before any sorting;
//   false lets the list sort its whole rows by that column (a second click on the same
//   heading reverses the order). Sorting happens only then or through Sort(): rows
//   added and cells written later stay where they are put.
// - CellClick(row, column, x, y) is raised for a click on an existing row (the row as
//   the list now shows it; x, y within the cell); false lets the list select the row.
// Rows and columns count from 0.
#include <vector>
#include "framework/control.h"

namespace fw {

class ListboxView;

class Listbox : public TextStyledControl {
 public:
  Listbox();
  ~Listbox() override;
  String ClassName() const override { return "Listbox"; }

  // Rows.
  void DeleteAllRows();
  void AddRow(const String& text);  // a new last row, text in column 0
  void InsertRow(int32_t row, const String& text);
  void RemoveRow(int32_t row);  // out of range: nothing
  int32_t ListCount() const;
  int32_t LastIndex() const { return lastIndex_; }  // the row added last; -1 none
  String Cell(int32_t row, int32_t column) const;  // "" outside the list
  void SetCell(int32_t row, int32_t column, const String& text);  // ignored outside
  String List(int32_t row) const { return Cell(row, 0); }
  int32_t ListIndex() const;  // the selected row; -1 none
  void SetListIndex(int32_t row);
  bool Selected(int32_t row) const;
  int32_t SelCount() const;
  String Text() const;  // column 0 of the selected row
  String Heading(int32_t column) const;
  void SetHeading(int32_t column, const String& text);
  // Sorts the rows by SortedColumn in the current direction.
  void Sort();
  int32_t SortedColumn() const { return sortedColumn_; }  // -1 none
  void SetSortedColumn(int32_t c) { sortedColumn_ = c; }
  bool SortAscending() const { return sortAscending_; }
  void SetSortAscending(bool a) { sortAscending_ = a; }
  int32_t ScrollPosition() const;
  void SetScrollPosition(int32_t row);
  int32_t ScrollPositionX() const;
  void SetScrollPositionX(int32_t x);

  // Design properties.
  int32_t ColumnCount() const { return columnCount_; }
  void SetColumnCount(int32_t n);
  // Comma-separated widths: pixels, or a percentage of the list's width ("50%").
  String ColumnWidths() const { return columnWidths_; }
  void SetColumnWidths(const String& w);
  bool Hierarchical() const { return hierarchical_; }
  void SetHierarchical(bool v) { hierarchical_ = v; }
  bool EnableDrag() const { return enableDrag_; }
  void SetEnableDrag(bool v) { enableDrag_ = v; }
  bool EnableDragReorder() const { return enableDragReorder_; }
  void SetEnableDragReorder(bool v) { enableDragReorder_ = v; }
  int32_t SelectionType() const { return selectionType_; }  // 0 one row, 1 several
  void SetSelectionType(int32_t t);
  // Rows given as text: rows separated by CR, columns by Tab. Setting it replaces the rows.
  String InitialValue() const { return initialValue_; }
  void SetInitialValue(const String& v);
  bool HasHeading() const { return hasHeading_; }
  void SetHasHeading(bool v);
  bool UseFocusRing() const { return useFocusRing_; }
  void SetUseFocusRing(bool v) { useFocusRing_ = v; }
  int32_t HeadingIndex() const { return headingIndex_; }  // -1 none
  void SetHeadingIndex(int32_t i) { headingIndex_ = i; }
  bool ScrollBarHorizontal() const { return scrollH_; }
  void SetScrollBarHorizontal(bool v);
  bool ScrollBarVertical() const { return scrollV_; }
  void SetScrollBarVertical(bool v);
  String DataSource() const { return dataSource_; }
  void SetDataSource(const String& s) { dataSource_ = s; }
  String DataField() const { return dataField_; }
  void SetDataField(const String& s) { dataField_ = s; }
  int32_t GridLinesHorizontal() const { return gridH_; }  // 0 none
  void SetGridLinesHorizontal(int32_t v);
  int32_t GridLinesVertical() const { return gridV_; }
  void SetGridLinesVertical(int32_t v);
  int32_t DefaultRowHeight() const { return defaultRowHeight_; }  // pixels; <= 0 default
  void SetDefaultRowHeight(int32_t h);
  bool ColumnsResizable() const { return columnsResizable_; }
  void SetColumnsResizable(bool v);
  bool RequiresSelection() const { return requiresSelection_; }
  void SetRequiresSelection(bool v) { requiresSelection_ = v; }
  bool AutoHideScrollbars() const { return autoHideScrollbars_; }
  void SetAutoHideScrollbars(bool v);
  int32_t _ScrollWidth() const { return scrollWidth_; }
  void _SetScrollWidth(int32_t v) { scrollWidth_ = v; }
  int32_t _ScrollOffset() const { return scrollOffset_; }
  void _SetScrollOffset(int32_t v) { scrollOffset_ = v; }

  std::optional<EventKind> EventKindOf(const String& eventName) const override;

  // Framework-internal.
  ListboxView* _ListView() const;
  void _HeadingClicked(int32_t column);

 protected:
  void SyncGeometry() override;

 private:
  void ApplyColumns();
  void ApplyScrollBars();
  int32_t columnCount_ = 1;
  String columnWidths_;
  bool hierarchical_ = false, enableDrag_ = false, enableDragReorder_ = false;
  int32_t selectionType_ = 0;
  String initialValue_;
  bool hasHeading_ = false, useFocusRing_ = true;
  int32_t headingIndex_ = -1;
  bool scrollH_ = false, scrollV_ = true;
  String dataSource_, dataField_;
  int32_t gridH_ = 0, gridV_ = 0, defaultRowHeight_ = -1;
  bool columnsResizable_ = false, requiresSelection_ = false, autoHideScrollbars_ = true;
  int32_t scrollWidth_ = -1, scrollOffset_ = 0;
  int32_t lastIndex_ = -1, sortedColumn_ = -1;
  bool sortAscending_ = true;
};

}  // namespace fw
