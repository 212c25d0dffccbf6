// The list box: a table of rows with an optional heading, sorted only on request.
#include "framework/listbox.h"

#include <algorithm>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>
#include "framework/control_widget_qt.h"
#include "framework/listbox_model_qt.h"
#include "framework/text.h"

namespace fw {

class ListboxView : public ControlView {
 public:
  ListboxView(Listbox& owner, QTableView* table, ListboxModel* model)
      : ControlView(owner, table), list_(owner), table_(table), model_(model) {
    Watch(table->viewport());
    QObject::connect(table->horizontalHeader(), &QHeaderView::sectionClicked,
                     [this](int column) { list_._HeadingClicked(column); });
    QObject::connect(table->selectionModel(), &QItemSelectionModel::selectionChanged,
                     [this] { list_._RaiseAction("Change"); });
  }
  QTableView* table() const { return table_; }
  ListboxModel& model() const { return *model_; }

 protected:
  bool HandleMousePress(QWidget* from, QMouseEvent* e) override {
    if (ControlView::HandleMousePress(from, e)) return true;
    if (from != table_->viewport()) return false;
    QPoint p = e->position().toPoint();
    QModelIndex index = table_->indexAt(p);
    if (!index.isValid() || index.row() >= model_->RowCount()) return false;
    QRect cell = table_->visualRect(index);
    ClickContext context(e->button() == Qt::RightButton);
    return list_._RaiseCell("CellClick", index.row(), index.column(), p.x() - cell.x(), p.y() - cell.y());
  }

 private:
  Listbox& list_;
  QTableView* table_;
  ListboxModel* model_;  // owned by the table
};

Listbox::Listbox() {
  auto* table = new QTableView;
  auto* model = new ListboxModel(table);
  table->setModel(model);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Tab goes on to the next control; walking the cells with it would never let go.
  table->setTabKeyNavigation(false);
  table->setSortingEnabled(false);  // rows stay where code puts them
  table->horizontalHeader()->setSectionsClickable(true);
  table->horizontalHeader()->setHighlightSections(false);
  table->setWordWrap(false);
  table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  SetView(std::make_unique<ListboxView>(*this, table, model));
  ApplyFont();
  SetSelectionType(0);
  SetHasHeading(false);
  SetGridLinesHorizontal(0);
  ApplyScrollBars();
  SetColumnsResizable(false);
}

Listbox::~Listbox() = default;

ListboxView* Listbox::_ListView() const { return static_cast<ListboxView*>(_View()); }
QTableView* TableOf(const Listbox& l) { return l._ListView()->table(); }

namespace {
ListboxModel& ModelOf(const Listbox& l) { return l._ListView()->model(); }
}  // namespace

void Listbox::DeleteAllRows() {
  ModelOf(*this).RemoveAllRows();
  lastIndex_ = -1;
}

void Listbox::AddRow(const String& text) { InsertRow(ListCount(), text); }

void Listbox::InsertRow(int32_t row, const String& text) {
  row = std::clamp(row, 0, ListCount());
  ModelOf(*this).InsertRow(row, text);
  lastIndex_ = row;
}

void Listbox::RemoveRow(int32_t row) { ModelOf(*this).RemoveRow(row); }

int32_t Listbox::ListCount() const { return ModelOf(*this).RowCount(); }

String Listbox::Cell(int32_t row, int32_t column) const { return AsShown(ModelOf(*this).Cell(row, column)); }

void Listbox::SetCell(int32_t row, int32_t column, const String& text) { ModelOf(*this).SetCell(row, column, text); }

int32_t Listbox::ListIndex() const {
  QTableView* t = TableOf(*this);
  QModelIndexList rows = t->selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  // Of several selected rows, the current one (where the user last clicked or moved).
  const QModelIndex current = t->selectionModel()->currentIndex();
  if (current.isValid() && t->selectionModel()->isRowSelected(current.row(), QModelIndex())) return current.row();
  return rows.first().row();
}

void Listbox::SetListIndex(int32_t row) {
  QTableView* t = TableOf(*this);
  if (row < 0 || row >= ListCount()) {
    t->clearSelection();
    return;
  }
  t->selectRow(row);
}

bool Listbox::Selected(int32_t row) const {
  return TableOf(*this)->selectionModel()->isRowSelected(row, QModelIndex());
}

int32_t Listbox::SelCount() const { return TableOf(*this)->selectionModel()->selectedRows().size(); }

String Listbox::Text() const {
  int32_t row = ListIndex();
  return row < 0 ? String() : Cell(row, 0);
}

String Listbox::Heading(int32_t column) const { return AsShown(ModelOf(*this).Heading(column)); }

void Listbox::SetHeading(int32_t column, const String& text) { ModelOf(*this).SetHeading(column, text); }

void Listbox::Sort() {
  if (sortedColumn_ < 0 || sortedColumn_ >= columnCount_) return;
  ModelOf(*this).SortBy(sortedColumn_, sortAscending_);
}

void Listbox::_HeadingClicked(int32_t column) {
  if (_RaiseColumn("SortColumn", column)) return;
  sortAscending_ = column == sortedColumn_ ? !sortAscending_ : true;
  sortedColumn_ = column;
  Sort();
}

int32_t Listbox::ScrollPosition() const { return TableOf(*this)->verticalScrollBar()->value(); }
void Listbox::SetScrollPosition(int32_t row) {
  QTableView* t = TableOf(*this);
  if (row >= 0 && row < ListCount()) t->scrollTo(t->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}
int32_t Listbox::ScrollPositionX() const { return TableOf(*this)->horizontalScrollBar()->value(); }
void Listbox::SetScrollPositionX(int32_t x) { TableOf(*this)->horizontalScrollBar()->setValue(x); }

void Listbox::SetColumnCount(int32_t n) {
  columnCount_ = std::max(1, n);
  ModelOf(*this).SetColumnCount(columnCount_);
  ApplyColumns();
}

void Listbox::SetColumnWidths(const String& w) {
  columnWidths_ = w;
  ApplyColumns();
}

void Listbox::ApplyColumns() {
  QTableView* t = TableOf(*this);
  QStringList parts = ToQ(columnWidths_).split(',', Qt::SkipEmptyParts);
  int total = std::max(1, Width());
  const int columns = ModelOf(*this).ColumnCount();
  for (int c = 0; c < columns; ++c) {
    QString p = c < parts.size() ? parts[c].trimmed() : QString();
    int width;
    if (p.endsWith('%')) width = total * p.chopped(1).toDouble() / 100.0;
    else if (!p.isEmpty() && p != "*") width = p.toInt();
    else width = total / columns;
    t->setColumnWidth(c, std::max(0, width));
  }
}

void Listbox::SyncGeometry() {
  RectControl::SyncGeometry();
  if (_View()) ApplyColumns();
}

void Listbox::SetSelectionType(int32_t type) {
  selectionType_ = type;
  TableOf(*this)->setSelectionMode(type == 1 ? QAbstractItemView::ExtendedSelection
                                             : QAbstractItemView::SingleSelection);
}

void Listbox::SetInitialValue(const String& v) {
  initialValue_ = v;
  DeleteAllRows();
  if (v.empty()) return;
  QStringList rows = CRToLF(v).split('\n');
  for (const QString& row : rows) {
    QStringList cells = row.split('\t');
    AddRow(FromQ(cells.value(0)));
    for (int c = 1; c < cells.size(); ++c) SetCell(lastIndex_, c, FromQ(cells[c]));
  }
}

void Listbox::SetHasHeading(bool v) {
  hasHeading_ = v;
  TableOf(*this)->horizontalHeader()->setVisible(v);
}

void Listbox::SetScrollBarHorizontal(bool v) { scrollH_ = v; ApplyScrollBars(); }
void Listbox::SetScrollBarVertical(bool v) { scrollV_ = v; ApplyScrollBars(); }
void Listbox::SetAutoHideScrollbars(bool v) { autoHideScrollbars_ = v; ApplyScrollBars(); }

void Listbox::ApplyScrollBars() {
  QTableView* t = TableOf(*this);
  auto policy = [this](bool on) {
    if (!on) return Qt::ScrollBarAlwaysOff;
    return autoHideScrollbars_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
  };
  t->setHorizontalScrollBarPolicy(policy(scrollH_));
  t->setVerticalScrollBarPolicy(policy(scrollV_));
}

// The table draws all its grid lines or none.
void Listbox::SetGridLinesHorizontal(int32_t v) {
  gridH_ = v;
  TableOf(*this)->setShowGrid(gridH_ > 0 || gridV_ > 0);
}

void Listbox::SetGridLinesVertical(int32_t v) {
  gridV_ = v;
  TableOf(*this)->setShowGrid(gridH_ > 0 || gridV_ > 0);
}

void Listbox::SetDefaultRowHeight(int32_t h) {
  defaultRowHeight_ = h;
  QHeaderView* rows = TableOf(*this)->verticalHeader();
  if (h > 0) {
    rows->setMinimumSectionSize(std::min(h, rows->minimumSectionSize()));
    rows->setDefaultSectionSize(h);
    rows->setSectionResizeMode(QHeaderView::Fixed);
  }
}

void Listbox::SetColumnsResizable(bool v) {
  columnsResizable_ = v;
  TableOf(*this)->horizontalHeader()->setSectionResizeMode(v ? QHeaderView::Interactive : QHeaderView::Fixed);
}

std::optional<EventKind> Listbox::EventKindOf(const String& e) const {
  if (e == "SortColumn") return EventKind::Column;
  if (e == "CellClick") return EventKind::Cell;
  if (e == "Change") return EventKind::Action;
  return RectControl::EventKindOf(e);
}

}  // namespace fw
