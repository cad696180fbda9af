#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "emulator/options_dialog.h"
#include "settings/paths_dialog.h"
#include "table/game_table_model.h"
#include "table/table_file.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include <cstdlib>

using namespace zarn;

namespace {

class GameLaunchWindowTest : public WindowTest {
protected:
    GameLaunchWindowTest() {
        GameTable saved;
        saved.setRowCount(3);
        saved.setCell(ColumnIndex("ROM"), 1, "pacman");
        saved.setCell(ColumnIndex("ROM"), 2, "galaga");
        saved.setCell(ColumnIndex("Played"), 2, " 12abc");
        WriteTableDataFile(saved, ctx.tableDataPath());
        dir.write("program/zarn.ini", "[ZARN]\nEXECUTABLE=" + zarn::test::fakeMamePath() + "\n");
        startUp();
    }
    ~GameLaunchWindowTest() override {
        if (form->emulator().active()) {
            form->KillBtnClick();
            tickUntilIdle();
        }
        for (const char* name : {"FAKE_MAME_GAME_STDOUT", "FAKE_MAME_GAME_HANG", "FAKE_MAME_GAME_ARGS"})
            ::unsetenv(name);
    }

    void tickUntilIdle() {
        for (int i = 0; i < 50 && form->proctimer->isActive(); ++i)
            run([this] { form->proctimerTimer(); });
    }
    std::string played(int row) const { return form->table().cell(ColumnIndex("Played"), row); }
    QStringList consoleLines() const { return w.ConsoleFrm->lines(); }
};

} // namespace

TEST_F(GameLaunchWindowTest, EnterStartsTheGameAndTheEndReachesTheConsole) {
    ::setenv("FAKE_MAME_GAME_STDOUT", "pacman ready\n", 1);
    form->setCurrentRow(2);
    ASSERT_TRUE(form->PlayBtn->isEnabled());
    run([this] { form->GridKeyPress(QChar(13)); });
    EXPECT_EQ(played(2), "13");
    EXPECT_EQ(form->model().data(form->model().index(1, ColumnIndex("Played")), Qt::DisplayRole).toString(),
              QStringLiteral("13"));
    EXPECT_TRUE(form->proctimer->isActive());
    EXPECT_EQ(form->proctimer->interval(), 1000);
    EXPECT_FALSE(form->KillBtn->isEnabled());
    EXPECT_EQ(form->statusText(0), QStringLiteral("Please Wait, game starting..."));
    EXPECT_EQ(form->cursorKind(), CursorKind::Busy);
    // "Use these settings" is off: nothing follows " -v ".
    EXPECT_EQ(consoleLines().last().toStdString(), "Calling \"" + zarn::test::fakeMamePath() + " galaga -v \"");

    tickUntilIdle();
    EXPECT_FALSE(form->proctimer->isActive());
    EXPECT_FALSE(form->KillBtn->isEnabled());
    EXPECT_EQ(form->statusText(1), QStringLiteral("M.A.M.E. not running"));
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    const QStringList lines = consoleLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[lines.size() - 2], QStringLiteral("pacman ready"));
    EXPECT_EQ(lines.last(), QStringLiteral("-----------------------"));
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(GameLaunchWindowTest, OptionsGoOnTheCommandLineWhenUsed) {
    const std::string argsFile = dir.folder() + "args.txt";
    ::setenv("FAKE_MAME_GAME_ARGS", argsFile.c_str(), 1);
    w.MAMEOpts->usethem->setChecked(true);
    form->setCurrentRow(1);
    run([this] { form->GridDblClick(); });
    tickUntilIdle();
    const std::string expected = "Calling \"" + zarn::test::fakeMamePath() + " pacman -v " + w.MAMEOpts->OptionArgs + "\"";
    EXPECT_TRUE(consoleLines().contains(QString::fromStdString(expected)));
    EXPECT_NE(w.MAMEOpts->OptionArgs.find(" -cheat "), std::string::npos);
    EXPECT_NE(dir.read("args.txt").find("pacman\n-v\n-noscanlines\n-hwstretch\n"), std::string::npos);
}

TEST_F(GameLaunchWindowTest, KillWhileRunningAndASecondStartRefused) {
    ::setenv("FAKE_MAME_GAME_HANG", "30", 1);
    form->setCurrentRow(1);
    run([this] { form->PlayBtnClick(); });
    ASSERT_TRUE(form->proctimer->isActive());
    run([this] { form->PlayBtnClick(); });
    EXPECT_EQ(consoleLines().last(), QStringLiteral("Attempt to start MAME while MAME is running"));
    EXPECT_EQ(played(1), "1");

    run([this] { form->proctimerTimer(); });
    EXPECT_TRUE(form->KillBtn->isEnabled());
    EXPECT_EQ(form->statusText(1), QStringLiteral("M.A.M.E. is running"));
    EXPECT_EQ(form->statusText(0), QString());
    EXPECT_EQ(form->cursorKind(), CursorKind::AppStarting);

    run([this] { form->FormKeyDown(Qt::Key_K, Qt::ControlModifier); });
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    tickUntilIdle();
    EXPECT_FALSE(form->proctimer->isActive());
    EXPECT_FALSE(form->KillBtn->isEnabled());
    EXPECT_EQ(form->statusText(1), QStringLiteral("M.A.M.E. not running"));
    EXPECT_EQ(consoleLines().last(), QStringLiteral("-----------------------"));
}

TEST_F(GameLaunchWindowTest, CtrlKWhileIdleOnlyClearsTheStatusAndCursor) {
    form->setStatus(0, "Gamelist loaded");
    form->setCursor(CursorKind::Busy);
    const QStringList before = consoleLines();
    run([this] { form->FormKeyDown(Qt::Key_K, Qt::ControlModifier); });
    EXPECT_EQ(form->statusText(0), QString());
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    EXPECT_EQ(consoleLines(), before);
    EXPECT_FALSE(form->proctimer->isActive());
}

TEST_F(GameLaunchWindowTest, AutosaveAsksWhenTurnedOnAndSavesBeforeAFailedStart) {
    ASSERT_TRUE(form->autosaveplayedfield1->isEnabled());
    EXPECT_FALSE(form->autosaveplayedfield1->isChecked());
    Dialogs::queueAnswer(false);
    form->autosaveplayedfield1->trigger();
    EXPECT_FALSE(form->autosaveplayedfield1->isChecked());
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(shownTexts()[0], QStringLiteral("This will save table data before starting each game. Loading "
                                              "times will increase especially for network drives. Continue ?"));
    form->autosaveplayedfield1->trigger();
    EXPECT_TRUE(form->autosaveplayedfield1->isChecked());
    form->autosaveplayedfield1->trigger();
    EXPECT_FALSE(form->autosaveplayedfield1->isChecked());
    EXPECT_EQ(shownTexts().size(), 2); // turning it off asked nothing
    form->autosaveplayedfield1->trigger();
    ASSERT_TRUE(form->autosaveplayedfield1->isChecked());

    w.SettingsFrm->MLocationEdit->setText(QStringLiteral("/no/such/mame"));
    form->setCurrentRow(2);
    run([this] { form->PlayBtnClick(); });
    EXPECT_EQ(form->statusText(0), QStringLiteral("No such file or directory(/no/such/mame)"));
    EXPECT_FALSE(form->proctimer->isActive());
    GameTable saved;
    LoadTableData(ctx.tableDataPath(), saved);
    EXPECT_EQ(saved.cell(ColumnIndex("Played"), 2), "13");
    // The save left Bio and Info hidden on screen.
    EXPECT_TRUE(form->table().isColumnHidden(ColumnIndex("Bio")));
}
