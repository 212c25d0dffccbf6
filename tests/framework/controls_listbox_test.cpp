// The list box through the real widget: heading clicks, sorting and cell clicks.
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableView>
#include "controls_fixture.h"

using namespace fw;
using controls_test::ControlsFixture;

namespace {

class ListboxTest : public ControlsFixture {
 protected:
  Listbox& List() {
    Listbox& l = Add<Listbox>("ListBox1", 10, 10, 228, 200);
    l.SetColumnCount(3);
    l.SetColumnWidths("100,60,60");
    l.SetHasHeading(true);
    l.SetDefaultRowHeight(18);
    for (auto row : std::vector<std::vector<std::string>>{{"Rossi", "2"}, {"bianchi", "3"}, {"Verdi", "1"}}) {
      l.AddRow(row[0]);
      l.SetCell(l.LastIndex(), 1, row[1]);
    }
    return l;
  }
  void ClickHeading(Listbox& l, int column) {
    QHeaderView* h = TableOf(l)->horizontalHeader();
    QTest::mouseClick(h->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(h->sectionViewportPosition(column) + 5, h->height() / 2));
  }
  void ClickCell(Listbox& l, int row, int column, QPoint offset = QPoint(4, 3)) {
    QTableView* t = TableOf(l);
    QRect r = t->visualRect(t->model()->index(row, column));
    QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier, r.topLeft() + offset);
  }
  std::vector<std::string> Column(Listbox& l, int c) {
    std::vector<std::string> v;
    for (int r = 0; r < l.ListCount(); ++r) v.push_back(l.Cell(r, c));
    return v;
  }
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(ListboxTest, RowsAndCells) {
  Listbox& l = List();
  EXPECT_EQ(l.ListCount(), 3);
  EXPECT_EQ(l.LastIndex(), 2);
  EXPECT_EQ(l.Cell(1, 1), "3");
  EXPECT_EQ(l.Cell(1, 2), "");
  EXPECT_EQ(l.Cell(9, 0), "");  // outside: nothing, never a failure
  l.SetCell(9, 0, "x");
  l.SetHeading(0, "Sort by name");
  EXPECT_EQ(l.Heading(0), "Sort by name");
  EXPECT_EQ(TableOf(l)->model()->headerData(1, Qt::Horizontal).toString(), "") << "no numbers in empty headings";
  l.RemoveRow(0);
  EXPECT_EQ(Column(l, 0), (Strings{"bianchi", "Verdi"}));
  l.RemoveRow(5);
  l.DeleteAllRows();
  EXPECT_EQ(l.ListCount(), 0);
  EXPECT_EQ(l.LastIndex(), -1);
}

TEST_F(ListboxTest, SortColumnComesFirstAndFalseSortsWholeRows) {
  Listbox& l = List();
  ShowActive();
  std::vector<int32_t> columns;
  Strings orderAtEvent;
  bool handled = true;
  window->_InstallInstanceEventHandler(l, "SortColumn", [&](Object&, int32_t column) {
    columns.push_back(column);
    orderAtEvent = Column(l, 0);
    return handled;
  });
  ClickHeading(l, 0);
  ASSERT_EQ(columns, (std::vector<int32_t>{0}));
  EXPECT_EQ(Column(l, 0), (Strings{"Rossi", "bianchi", "Verdi"})) << "true: no sorting";

  handled = false;
  ClickHeading(l, 0);
  EXPECT_EQ(orderAtEvent, (Strings{"Rossi", "bianchi", "Verdi"})) << "raised before the sort";
  EXPECT_EQ(Column(l, 0), (Strings{"bianchi", "Rossi", "Verdi"}));
  EXPECT_EQ(Column(l, 1), (Strings{"3", "2", "1"})) << "whole rows move";

  ClickHeading(l, 1);
  EXPECT_EQ(Column(l, 0), (Strings{"Verdi", "Rossi", "bianchi"}));

  // No auto-sorting: later rows and cells stay where they are put.
  l.AddRow("Abate");
  l.SetCell(0, 1, "9");
  EXPECT_EQ(Column(l, 0), (Strings{"Verdi", "Rossi", "bianchi", "Abate"}));
  EXPECT_EQ(l.Cell(0, 1), "9");
}

TEST_F(ListboxTest, CellClickOnlyForExistingRowsInTheirCurrentOrder) {
  Listbox& l = List();
  ShowActive();
  l.SetSortedColumn(0);
  l.Sort();
  struct Click { int32_t row, column, x, y; std::string text; };
  std::vector<Click> clicks;
  window->_InstallInstanceEventHandler(l, "CellClick", [&](Object&, int32_t r, int32_t c, int32_t x, int32_t y) {
    clicks.push_back({r, c, x, y, l.Cell(r, 0)});
    return false;
  });
  ClickCell(l, 0, 0, QPoint(4, 3));
  ClickCell(l, 2, 1, QPoint(7, 2));
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0].row, 0);
  EXPECT_EQ(clicks[0].text, "bianchi");
  EXPECT_EQ(clicks[0].x, 4);
  EXPECT_EQ(clicks[0].y, 3);
  EXPECT_EQ(clicks[1].row, 2);
  EXPECT_EQ(clicks[1].column, 1);
  EXPECT_EQ(clicks[1].x, 7);
  EXPECT_EQ(l.ListIndex(), 2) << "false lets the list select the row";

  // Below the last row: no cell, no event.
  QTest::mouseClick(TableOf(l)->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 150));
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ListboxTest, DesignPropertiesShapeTheTable) {
  Listbox& l = List();
  QTableView* t = TableOf(l);
  EXPECT_EQ(t->columnWidth(0), 100);
  EXPECT_EQ(t->columnWidth(2), 60);
  EXPECT_EQ(t->verticalHeader()->defaultSectionSize(), 18);
  EXPECT_TRUE(t->horizontalHeader()->isVisibleTo(t));
  l.SetColumnCount(10);
  l.SetColumnWidths("248,30,30,30,30,30,30,30,30,30");
  EXPECT_EQ(t->columnWidth(0), 248) << "wider than the list, as designed";
  EXPECT_EQ(l.Cell(0, 9), "");
  l.SetInitialValue("a\tb\rc\td");
  EXPECT_EQ(l.ListCount(), 2);
  EXPECT_EQ(l.Cell(1, 1), "d");
}

TEST_F(ListboxTest, SelectionFollowsItsRowThroughASort) {
  Listbox& l = List();
  ShowActive();
  l.SetListIndex(0);  // "Rossi"
  l.SetSortedColumn(0);
  l.Sort();
  EXPECT_EQ(Column(l, 0), (Strings{"bianchi", "Rossi", "Verdi"}));
  EXPECT_EQ(l.ListIndex(), 1);
  EXPECT_EQ(l.Text(), "Rossi");
  EXPECT_EQ(l.SelCount(), 1);
}

TEST_F(ListboxTest, TextsKeepTheirLineBreaksAndCaseDecidesOnlyBetweenEquals) {
  Listbox& l = List();
  l.SetCell(0, 2, "one\rtwo");
  l.SetCell(1, 2, "a\r\nb");
  EXPECT_EQ(l.Cell(0, 2), "one\rtwo");
  EXPECT_EQ(l.Cell(1, 2), "a\rb");
  l.AddRow("rossi");
  l.SetCell(l.LastIndex(), 1, "4");
  l.SetSortedColumn(0);
  l.Sort();
  EXPECT_EQ(Column(l, 0), (Strings{"bianchi", "Rossi", "rossi", "Verdi"}));
  l.SetSortAscending(false);
  l.Sort();
  EXPECT_EQ(Column(l, 0), (Strings{"Verdi", "rossi", "Rossi", "bianchi"}));
}

// Written cells reach the view together from the event loop, so that filling a long
// list does not notify the view cell by cell; before rows move, in their old numbers.
TEST_F(ListboxTest, WrittenCellsReachTheViewTogether) {
  Listbox& l = List();
  ShowActive();
  QAbstractItemModel* model = TableOf(l)->model();
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  l.SetCell(0, 1, "a");
  l.SetCell(0, 2, "b");
  l.SetCell(1, 1, "c");
  EXPECT_EQ(model->data(model->index(0, 2)).toString(), "b") << "read at once";
  EXPECT_EQ(changed.count(), 0);
  QApplication::processEvents();
  ASSERT_EQ(changed.count(), 1);
  const auto topLeft = changed[0].at(0).value<QModelIndex>(), bottomRight = changed[0].at(1).value<QModelIndex>();
  EXPECT_EQ(std::vector<int>({topLeft.row(), topLeft.column(), bottomRight.row(), bottomRight.column()}),
            std::vector<int>({0, 1, 1, 2}));

  l.SetCell(2, 1, "x");
  l.AddRow("after it: no notice yet");
  EXPECT_EQ(changed.count(), 1);
  l.RemoveRow(0);
  ASSERT_EQ(changed.count(), 2);
  EXPECT_EQ(changed[1].at(0).value<QModelIndex>().row(), 2);
  EXPECT_EQ(l.Cell(1, 1), "x");
}

// As every other control, the list hands the focus on with Tab: a keyboard user who
// tabs into it (also where it stands out of sight) can tab out again.
TEST_F(ListboxTest, TabLeavesTheListForTheNextControlWhileArrowsMoveInIt) {
  Listbox& l = List();
  EditField& after = Add<EditField>("EditField1", 10, 220, 100, 22);
  ShowActive();
  l.SetListIndex(0);
  QTableView* t = TableOf(l);
  t->setFocus();
  QTest::keyClick(t, Qt::Key_Down);
  EXPECT_EQ(l.ListIndex(), 1);
  QTest::keyClick(t, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), EditorOf(after));
}
