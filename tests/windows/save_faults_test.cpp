// Saving the table or the settings into a folder that refuses the write: a full disk, a read-only
// folder, a write that stops part-way. The old file stays as it was, the user sees the error, and
// nothing else changes.
#ifndef _WIN32

#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "logic/faulty_folder.h"
#include "settings/path_settings.h"
#include "settings/paths_dialog.h"
#include "table/game_table_model.h"
#include "table/table_file.h"

#include <QLineEdit>

#include <filesystem>
#include <set>

using namespace zarn;
using zarn::test::FaultyFolder;
using zarn::test::FolderFault;

namespace {

std::set<std::string> filesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// One fault per test; the program folder becomes the faulty folder before anything is in it.
class SaveFaultTest : public WindowTest, public ::testing::WithParamInterface<FolderFault> {
protected:
    SaveFaultTest() : folder(ctx.programDir, GetParam()) {}

    void SetUp() override {
        if (!folder.skipReason().empty())
            GTEST_SKIP() << folder.skipReason();
        form->setStatus(0, "before the save");
    }

    // Starts the fault and notes what must stay as it is.
    void arm() {
        ASSERT_TRUE(folder.arm());
        files = filesIn(ctx.programDir);
        console = w.ConsoleFrm->lines();
    }
    void expectNothingElseChanged() {
        EXPECT_EQ(filesIn(ctx.programDir), files);
        EXPECT_EQ(form->statusText(0), QStringLiteral("before the save"));
        EXPECT_EQ(w.ConsoleFrm->lines(), console);
    }

    FaultyFolder folder;
    std::set<std::string> files;
    QStringList console;
};

} // namespace

TEST_P(SaveFaultTest, TableSaveKeepsTheOldFileAndShowsTheError) {
    form->model().bulkChange([&] { form->table().setCell(ColumnIndex("ROM"), 1, "old"); });
    WriteTableDataFile(form->table(), ctx.tableDataPath());
    const std::string oldBytes = dir.read("program/zarn_data.dat");
    form->SetBioInfoHidden(true);
    form->model().bulkChange([&] {
        form->table().setCell(ColumnIndex("ROM"), 1, "new");
        // More than the last page of a full disk could take.
        form->table().setCell(ColumnIndex("Info"), 1, std::string(20000, 'i'));
    });
    const std::string table = SerializeTableData(form->table());
    arm();

    run([&] { form->SaveTableDataNow1Click(); });
    folder.disarm();

    EXPECT_EQ(shownTexts(), QStringList{QString::fromStdString("Cannot Create " + ctx.tableDataPath())});
    EXPECT_EQ(dir.read("program/zarn_data.dat"), oldBytes);
    expectNothingElseChanged();
    EXPECT_EQ(SerializeTableData(form->table()), table);
    EXPECT_TRUE(form->table().isColumnHidden(ColumnIndex("Bio")));
    EXPECT_TRUE(form->table().isColumnHidden(ColumnIndex("Info")));
}

TEST_P(SaveFaultTest, SettingsSaveKeepsTheOldFileAndShowsTheError) {
    PathSettings old;
    old.executable = "/old/mame";
    SaveSettings(old, ctx, *form);
    form->setStatus(0, "before the save");
    const std::string oldBytes = dir.read("program/zarn.ini");
    ASSERT_NE(oldBytes.find("/old/mame"), std::string::npos);
    w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(test::fakeMamePath()));
    arm();

    run([&] { w.SettingsFrm->SOkBtnClick(); });
    folder.disarm();

    EXPECT_EQ(shownTexts(), QStringList{QString::fromStdString("Unable to write to " + ctx.settingsPath())});
    EXPECT_EQ(dir.read("program/zarn.ini"), oldBytes);
    expectNothingElseChanged();
    // The dialog's paths stay the live ones for this run.
    EXPECT_EQ(form->paths().executable, test::fakeMamePath());
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest,
                         ::testing::Values(FolderFault::FullDisk, FolderFault::ReadOnly, FolderFault::WriteLimit),
                         [](const auto& info) {
                             switch (info.param) {
                             case FolderFault::FullDisk: return std::string("FullDisk");
                             case FolderFault::ReadOnly: return std::string("ReadOnlyFolder");
                             case FolderFault::WriteLimit: return std::string("WriteStopsPartWay");
                             }
                             return std::string("Unknown");
                         });

#endif
