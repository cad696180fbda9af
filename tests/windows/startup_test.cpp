#include "windows/window_fixture.h"

#include "settings/paths_dialog.h"
#include "table/game_table_model.h"
#include "table/table_file.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

using namespace zarn;

TEST_F(WindowTest, FirstRunStartsEmptyWithDefaults) {
    startUp();
    const PathSettings s = form->paths();
    EXPECT_EQ(s, PathSettings());
    EXPECT_TRUE(w.SettingsFrm->png->isChecked());
    EXPECT_TRUE(w.SettingsFrm->jpg->isChecked());
    EXPECT_FALSE(w.SettingsFrm->AutoExtract->isChecked());
    EXPECT_EQ(form->statusText(0), QStringLiteral("Please refresh the gamelist (Game Data menu)"));
    EXPECT_FALSE(form->TableReady);
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_EQ(form->table().columnWidth(0), 18);
    EXPECT_TRUE(form->Grid->horizontalHeader()->isSectionHidden(ColumnIndex("Bio")));
    EXPECT_TRUE(form->Grid->horizontalHeader()->isSectionHidden(ColumnIndex("Info")));
}

TEST_F(WindowTest, StartUpLoadsTheTableAndSettings) {
    GameTable saved;
    saved.setRowCount(3);
    saved.setCell(ColumnIndex("ROM"), 1, "abc");
    saved.setCell(ColumnIndex("Status"), 1, "4");
    saved.setCell(ColumnIndex("ROM"), 2, "xyz");
    saved.setCell(ColumnIndex("Bio"), 2, "long\nstory");
    WriteTableDataFile(saved, ctx.tableDataPath());
    dir.write("program/zarn.ini", "[zarn]\nexecutable = /no/such/mame\nAUTOEXTRACT=1\npng=0\nGIF=yes\nBMP=0x1\n");

    startUp();
    EXPECT_EQ(form->statusText(0), QStringLiteral("Gamelist loaded"));
    EXPECT_TRUE(form->TableReady);
    EXPECT_EQ(form->model().rowCount(), 2);
    EXPECT_EQ(form->table().icon(1), 4);
    EXPECT_EQ(form->table().cell(ColumnIndex("Bio"), 2), "long\nstory");
    const PathSettings s = form->paths();
    EXPECT_EQ(s.executable, "/no/such/mame");
    EXPECT_TRUE(s.autoExtract);
    EXPECT_FALSE(s.png);
    EXPECT_FALSE(s.gif);
    EXPECT_TRUE(s.bmp);
    EXPECT_EQ(form->table().columnWidth(0), 18);
    EXPECT_EQ(form->table().columnWidth(ColumnIndex("Description")), 100);
}

TEST_F(WindowTest, CorruptTableFileIsReportedAndStartUpStops) {
    dir.write("program/zarn_data.dat", "0,0\r\n");
    startUp();
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(shownTexts()[0].toStdString(), "File contains no data or corrupt file " + ctx.tableDataPath());
    EXPECT_FALSE(form->TableReady);
    // Later steps were skipped: Bio and Info were not hidden.
    EXPECT_FALSE(form->Grid->horizontalHeader()->isSectionHidden(ColumnIndex("Bio")));
}

TEST_F(WindowTest, SaveTableDataNowWritesTheFile) {
    startUp();
    form->SaveTableDataNow1Click();
    const std::string expected = "Data saved to " + ctx.tableDataPath();
    EXPECT_EQ(form->statusText(0).toStdString(), expected);
    GameTable loaded;
    LoadTableData(ctx.tableDataPath(), loaded);
    EXPECT_EQ(loaded.rowCount(), 2);
    EXPECT_EQ(loaded.cell(0, 0), "Status");
}
