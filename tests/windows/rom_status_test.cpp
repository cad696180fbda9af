#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "roms/statistics.h"
#include "roms/verify_window.h"
#include "settings/paths_dialog.h"
#include "table/game_table_model.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <filesystem>

using namespace zarn;

namespace {

class RomWindowTest : public WindowTest {
protected:
    void SetUp() override {
        startUp();
        mame = dir.write("mame/mame", "#!/bin/sh\n");
        std::filesystem::permissions(mame, std::filesystem::perms::owner_all);
        std::filesystem::create_directories(dir.path() / "mame/roms");
        w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(mame));
    }
    void rows(const std::vector<std::string>& roms) {
        form->model().bulkChange([&] {
            form->table().setRowCount(static_cast<int>(roms.size()) + 1);
            for (size_t i = 0; i < roms.size(); ++i)
                form->table().setCell(ColumnIndex("ROM"), static_cast<int>(i) + 1, roms[i]);
        });
    }
    std::string status(int row) { return form->table().cell(ColumnIndex("Status"), row); }
    QVariant iconShown(int row) { return form->model().data(form->model().index(row - 1, 0), Qt::DecorationRole); }

    std::string mame;
};

} // namespace

TEST_F(RomWindowTest, RomCommandsAreOffered) {
    EXPECT_TRUE(form->Checkexistance1->isEnabled());
    EXPECT_TRUE(form->StatsBtn->isEnabled());
    EXPECT_TRUE(form->DisplayGameStatistics1->isEnabled());
}

TEST_F(RomWindowTest, AvailabilityCheckAskedNoChangesNothing) {
    rows({"abc"});
    Dialogs::queueAnswer(false);
    run([&] { form->Checkexistance1Click(); });
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(shownTexts()[0], QStringLiteral("This will overwrite any prior ROM validation results. Check ROM availability (0-2 seconds) ?"));
    EXPECT_EQ(status(1), "");
    EXPECT_FALSE(std::filesystem::exists(ctx.tableDataPath()));
}

TEST_F(RomWindowTest, AvailabilityCheckShowsCodesAndSizesInTheGrid) {
    dir.write("mame/roms/abc.zip", std::string(2048, 'z'));
    rows({"abc", "xyz"});
    form->setCurrentRow(2);
    run([&] { form->Checkexistance1Click(); });
    EXPECT_EQ(shownTexts().size(), 1); // the question only
    EXPECT_EQ(status(1), "0");
    EXPECT_EQ(status(2), "4");
    EXPECT_FALSE(iconShown(1).isNull());
    EXPECT_EQ(form->model().data(form->model().index(0, ColumnIndex("RomSize")), Qt::DisplayRole).toString(),
              QStringLiteral("2.05Kb"));
    EXPECT_TRUE(w.ConsoleFrm->lines().contains(QStringLiteral("xyz.zip")));
    EXPECT_TRUE(std::filesystem::exists(ctx.tableDataPath()));
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    EXPECT_EQ(form->currentRow(), 2);
}

TEST_F(RomWindowTest, AvailabilityCheckWithoutRomFolderShowsOneMessage) {
    std::filesystem::remove_all(dir.path() / "mame/roms");
    rows({"abc"});
    const int consoleLines = static_cast<int>(w.ConsoleFrm->lines().size());
    run([&] { form->Checkexistance1Click(); });
    ASSERT_EQ(shownTexts().size(), 2);
    EXPECT_EQ(shownTexts()[1], QStringLiteral("No such file or directory"));
    EXPECT_EQ(w.ConsoleFrm->lines().size(), consoleLines);
    EXPECT_EQ(status(1), "");
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
}

TEST_F(RomWindowTest, StatisticsShowInTheInformationBox) {
    rows({"a", "b", "c", ""});
    form->BioBox->setPlainText(QStringLiteral("old text"));
    run([&] { form->StatsBtnClick(); });
    EXPECT_EQ(form->BioBox->toPlainText(),
              QStringLiteral("Total Sets Supported in this version:4\nTotal Sets Found:0\nGood Sets:0\nMissing Sets:0\n"
                             "Not Working Sets:0\nBest Available:0\nUnknown Condition:0"));

    SaveStatistics(VerifyCounters{.total = 3, .good = 2}, ctx);
    form->DisplayGameStatistics1->trigger();
    EXPECT_TRUE(form->BioBox->toPlainText().startsWith(
        QStringLiteral("Total Sets Supported in this version:4\nTotal Sets Found:3\nGood Sets:2\n")));
}

TEST_F(RomWindowTest, ProgressWindowLayoutAndStages) {
    TVerForm* v = w.VerForm;
    EXPECT_EQ(v->windowTitle(), QStringLiteral("ZARN - ROM Verify"));
    EXPECT_EQ(v->size(), QSize(228, 134));
    EXPECT_TRUE(v->Labeltit->font().bold());
    EXPECT_EQ(v->Label1->text(), QStringLiteral("1. checking rom availability (5-10 sec)"));
    EXPECT_EQ(v->Label2->text(), QStringLiteral("2. verifying roms"));
    EXPECT_EQ(v->Label3->text(), QStringLiteral("3. updating table"));
    EXPECT_EQ(v->ProgressBar->maximum(), 4000);
    EXPECT_EQ(v->ProgressBar->height(), 16);
    v->setStage(2);
    EXPECT_FALSE(v->Label1->font().bold());
    EXPECT_TRUE(v->Label2->font().bold());
    EXPECT_FALSE(v->Label3->font().bold());
}

TEST_F(RomWindowTest, ProgressFollowsTheCapturedLines) {
    TVerForm* v = w.VerForm;
    v->ProgressBar->setMaximum(5000);
    v->UpdateVerifyProgress(dir.write("cap.txt", "romset a is good\nromset b is good\n"));
    EXPECT_EQ(v->ProgressBar->value(), 2);
    v->UpdateVerifyProgress(dir.write("empty.txt", ""));
    EXPECT_EQ(v->ProgressBar->value(), 2);
    std::string many;
    for (int i = 0; i < 6000; ++i)
        many += "line\n";
    v->UpdateVerifyProgress(dir.write("many.txt", many));
    EXPECT_EQ(v->ProgressBar->value(), 5000);
    v->UpdateVerifyProgress(dir.folder() + "none.txt");
    EXPECT_EQ(v->windowTitle(), QStringLiteral("No such file or directory"));
}

TEST_F(RomWindowTest, VerificationWithoutExecutableOnlySaysSo) {
    w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(dir.folder() + "mame/none"));
    rows({"abc"});
    run([&] { form->Verify1Click(); });
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(shownTexts()[0],
              QStringLiteral("Check validity of all ROMs ? (10-1000 seconds depending on rom count and disk/cpu speed)"));
    EXPECT_EQ(form->statusText(0), QStringLiteral("Please select the mame executable (Settings->ZARN Paths)"));
    EXPECT_FALSE(w.VerForm->isVisible());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(status(1), "");
}
