#include "windows/window_fixture.h"

#include "table/game_table_model.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTableView>

using namespace zarn;

TEST_F(WindowTest, ModelFollowsTheTableThroughBulkChangesAndCells) {
    QAbstractItemModelTester tester(&form->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    GameTable& t = form->table();
    form->model().bulkChange([&] {
        t.setRowCount(4);
        t.setCell(ColumnIndex("ROM"), 1, "abc");
        t.setCell(ColumnIndex("Description"), 2, "Caf\xc3\xa9");    // UTF-8
        t.setCell(ColumnIndex("Description"), 3, "Caf\xe9 \x81");   // not UTF-8: Latin-1
        t.setCell(ColumnIndex("Status"), 1, "0");
        t.setCell(ColumnIndex("Bio"), 1, "first line\nsecond line");
    });
    form->ShowStatusIcons();
    GameTableModel& m = form->model();
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.columnCount(), 16);
    EXPECT_EQ(m.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("ROM"));
    EXPECT_EQ(m.data(m.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("abc"));
    EXPECT_EQ(m.data(m.index(1, 2), Qt::DisplayRole).toString(), QString::fromUtf8("Caf\xc3\xa9"));
    EXPECT_EQ(m.data(m.index(2, 2), Qt::DisplayRole).toString(), QString::fromLatin1("Caf\xe9 \x81"));
    EXPECT_EQ(m.data(m.index(0, ColumnIndex("Bio")), Qt::DisplayRole).toString(), QStringLiteral("first line"));
    EXPECT_FALSE(m.data(m.index(0, 0), Qt::DecorationRole).isNull());
    EXPECT_TRUE(m.data(m.index(1, 0), Qt::DecorationRole).isNull());

    t.setCell(ColumnIndex("ROM"), 2, "xyz");
    m.cellChanged(ColumnIndex("ROM"), 2);
    EXPECT_EQ(m.data(m.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("xyz"));
}

TEST_F(WindowTest, UserResizedWidthsReachTheSavedFile) {
    startUp();
    form->Grid->horizontalHeader()->resizeSection(ColumnIndex("Year"), 77);
    EXPECT_EQ(form->table().columnWidth(ColumnIndex("Year")), 77);
    // Hidden columns keep the width they had.
    const int bioWidth = form->table().columnWidth(ColumnIndex("Bio"));
    form->SaveTableData();
    EXPECT_EQ(form->table().columnWidth(ColumnIndex("Bio")), bioWidth);
    EXPECT_TRUE(form->Grid->horizontalHeader()->isSectionHidden(ColumnIndex("Bio")));
}

