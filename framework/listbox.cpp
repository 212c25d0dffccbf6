// The list box: a table of rows with an optional heading, sorted only on request.
#include "framework/listbox.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include "framework/control_widget_qt.h"
#include "framework/text.h"

namespace fw {

namespace {
// Rows sort by text, ignoring case first so "abc" and "Abd" sort as a reader expects.
class ListItem : public QTableWidgetItem {
 public:
  using QTableWidgetItem::QTableWidgetItem;
  bool operator<(const QTableWidgetItem& other) const override {
    int c = text().compare(other.text(), Qt::CaseInsensitive);
    return c != 0 ? c < 0 : text() < other.text();
  }
};
}  // namespace

class ListboxView : public ControlView {
 public:
  ListboxView(Listbox& owner, QTableWidget* table) : ControlView(owner, table), list_(owner), table_(table) {
    Watch(table->viewport());
    QObject::connect(table->horizontalHeader(), &QHeaderView::sectionClicked,
                     [this](int column) { list_._HeadingClicked(column); });
    QObject::connect(table, &QTableWidget::itemSelectionChanged, [this] { list_._RaiseAction("Change"); });
  }
  QTableWidget* table() const { return table_; }

 protected:
  bool HandleMousePress(QWidget* from, QMouseEvent* e) override {
    if (ControlView::HandleMousePress(from, e)) return true;
    if (from != table_->viewport()) return false;
    QPoint p = e->position().toPoint();
    QModelIndex index = table_->indexAt(p);
    if (!index.isValid() || index.row() >= table_->rowCount()) return false;
    QRect cell = table_->visualRect(index);
    ClickContext context(e->button() == Qt::RightButton);
    return list_._RaiseCell("CellClick", index.row(), index.column(), p.x() - cell.x(), p.y() - cell.y());
  }

 private:
  Listbox& list_;
  QTableWidget* table_;
};

Listbox::Listbox() {
  auto* table = new QTableWidget(0, 1);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSortingEnabled(false);  // rows stay where code puts them
  table->horizontalHeader()->setSectionsClickable(true);
  table->horizontalHeader()->setHighlightSections(false);
  table->setWordWrap(false);
  table->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  table->setHorizontalHeaderItem(0, new QTableWidgetItem(QString()));
  SetView(std::make_unique<ListboxView>(*this, table));
  ApplyFont();
  SetSelectionType(0);
  SetHasHeading(false);
  SetGridLinesHorizontal(0);
  ApplyScrollBars();
  SetColumnsResizable(false);
}

Listbox::~Listbox() = default;

ListboxView* Listbox::_ListView() const { return static_cast<ListboxView*>(_View()); }
QTableWidget* TableOf(const Listbox& l) { return l._ListView()->table(); }

void Listbox::DeleteAllRows() {
  TableOf(*this)->setRowCount(0);
  lastIndex_ = -1;
}

void Listbox::AddRow(const String& text) { InsertRow(ListCount(), text); }

void Listbox::InsertRow(int32_t row, const String& text) {
  QTableWidget* t = TableOf(*this);
  row = std::clamp(row, 0, ListCount());
  t->insertRow(row);
  for (int c = 0; c < t->columnCount(); ++c) t->setItem(row, c, new ListItem(c == 0 ? CRToLF(text) : QString()));
  lastIndex_ = row;
}

void Listbox::RemoveRow(int32_t row) {
  if (row < 0 || row >= ListCount()) return;
  TableOf(*this)->removeRow(row);
}

int32_t Listbox::ListCount() const { return TableOf(*this)->rowCount(); }

String Listbox::Cell(int32_t row, int32_t column) const {
  QTableWidgetItem* item = TableOf(*this)->item(row, column);
  return item ? LFToCR(item->text()) : String();
}

void Listbox::SetCell(int32_t row, int32_t column, const String& text) {
  QTableWidget* t = TableOf(*this);
  if (row < 0 || row >= t->rowCount() || column < 0 || column >= t->columnCount()) return;
  if (QTableWidgetItem* item = t->item(row, column)) item->setText(CRToLF(text));
  else t->setItem(row, column, new ListItem(CRToLF(text)));
}

int32_t Listbox::ListIndex() const {
  QModelIndexList rows = TableOf(*this)->selectionModel()->selectedRows();
  if (rows.isEmpty()) return -1;
  int current = TableOf(*this)->currentRow();
  for (const QModelIndex& i : rows) if (i.row() == current) return current;
  return rows.first().row();
}

void Listbox::SetListIndex(int32_t row) {
  QTableWidget* t = TableOf(*this);
  if (row < 0 || row >= t->rowCount()) {
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

String Listbox::Heading(int32_t column) const {
  QTableWidgetItem* item = TableOf(*this)->horizontalHeaderItem(column);
  return item ? LFToCR(item->text()) : String();
}

void Listbox::SetHeading(int32_t column, const String& text) {
  QTableWidget* t = TableOf(*this);
  if (column < 0 || column >= t->columnCount()) return;
  t->setHorizontalHeaderItem(column, new QTableWidgetItem(CRToLF(text)));
}

void Listbox::Sort() {
  if (sortedColumn_ < 0 || sortedColumn_ >= columnCount_) return;
  TableOf(*this)->sortItems(sortedColumn_, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void Listbox::_HeadingClicked(int32_t column) {
  if (_RaiseColumn("SortColumn", column)) return;
  sortAscending_ = column == sortedColumn_ ? !sortAscending_ : true;
  sortedColumn_ = column;
  Sort();
}

int32_t Listbox::ScrollPosition() const { return TableOf(*this)->verticalScrollBar()->value(); }
void Listbox::SetScrollPosition(int32_t row) {
  QTableWidget* t = TableOf(*this);
  if (row >= 0 && row < t->rowCount()) t->scrollTo(t->model()->index(row, 0), QAbstractItemView::PositionAtTop);
}
int32_t Listbox::ScrollPositionX() const { return TableOf(*this)->horizontalScrollBar()->value(); }
void Listbox::SetScrollPositionX(int32_t x) { TableOf(*this)->horizontalScrollBar()->setValue(x); }

void Listbox::SetColumnCount(int32_t n) {
  columnCount_ = std::max(1, n);
  QTableWidget* t = TableOf(*this);
  int old = t->columnCount();
  t->setColumnCount(columnCount_);
  for (int c = old; c < columnCount_; ++c) {
    t->setHorizontalHeaderItem(c, new QTableWidgetItem(QString()));  // not Qt's numbers
    for (int r = 0; r < t->rowCount(); ++r) t->setItem(r, c, new ListItem(QString()));
  }
  ApplyColumns();
}

void Listbox::SetColumnWidths(const String& w) {
  columnWidths_ = w;
  ApplyColumns();
}

void Listbox::ApplyColumns() {
  QTableWidget* t = TableOf(*this);
  QStringList parts = ToQ(columnWidths_).split(',', Qt::SkipEmptyParts);
  int total = std::max(1, Width());
  for (int c = 0; c < t->columnCount(); ++c) {
    QString p = c < parts.size() ? parts[c].trimmed() : QString();
    int width;
    if (p.endsWith('%')) width = total * p.chopped(1).toDouble() / 100.0;
    else if (!p.isEmpty() && p != "*") width = p.toInt();
    else width = total / t->columnCount();
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
  QTableWidget* t = TableOf(*this);
  auto policy = [this](bool on) {
    if (!on) return Qt::ScrollBarAlwaysOff;
    return autoHideScrollbars_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
  };
  t->setHorizontalScrollBarPolicy(policy(scrollH_));
  t->setVerticalScrollBarPolicy(policy(scrollV_));
}

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
