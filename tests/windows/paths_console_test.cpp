#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "settings/paths_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>

using namespace zarn;

TEST_F(WindowTest, SaveWithEmptyExecutableClosesWithoutWriting) {
    startUp();
    w.SettingsFrm->ArtworkEdt->setText(QStringLiteral("/art"));
    w.SettingsFrm->SOkBtnClick();
    EXPECT_FALSE(std::filesystem::exists(ctx.settingsPath()));
    EXPECT_EQ(form->statusText(0), QStringLiteral("Please refresh the gamelist (Game Data menu)"));
    EXPECT_TRUE(shownTexts().isEmpty());
}

TEST_F(WindowTest, SaveRefusesMissingPathsAndFolders) {
    startUp();
    w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(dir.folder() + "nothing/mame"));
    w.SettingsFrm->SOkBtnClick();
    w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(dir.folder()));
    w.SettingsFrm->SOkBtnClick();
    ASSERT_EQ(shownTexts().size(), 2);
    EXPECT_EQ(shownTexts()[0], QStringLiteral("No such file or directory"));
    EXPECT_EQ(shownTexts()[1].toStdString(), dir.folder() + " is a directory");
    EXPECT_FALSE(std::filesystem::exists(ctx.settingsPath()));
}

TEST_F(WindowTest, SaveWithAnExecutableWritesAndReports) {
    startUp();
    const std::string mame = dir.write("mame/mame", "#!/bin/sh\n");
    w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(mame));
    w.SettingsFrm->SOkBtnClick();
    EXPECT_EQ(form->statusText(0).toStdString(), "Settings saved to " + ctx.programDir + "zarn.ini");
    EXPECT_EQ(LoadSettings(ctx).executable, mame);
}

TEST_F(WindowTest, CloseKeepsEditsLiveButUnsaved) {
    startUp();
    w.SettingsFrm->SnapshotEdt->setText(QStringLiteral("/snaps"));
    w.SettingsFrm->SCancelBtnClick();
    EXPECT_EQ(form->paths().snapshot, "/snaps");
    EXPECT_FALSE(std::filesystem::exists(ctx.settingsPath()));
}

TEST_F(WindowTest, HistoryBoxProposesThePathBesideMame) {
    startUp();
    w.SettingsFrm->MLocationEdit->setText(QStringLiteral("/opt/mame/mame"));
    w.SettingsFrm->HistEdtEnter();
    EXPECT_EQ(w.SettingsFrm->HistEdt->text(), QStringLiteral("/opt/mame/history.dat"));
    w.SettingsFrm->MLocationEdit->setText(QStringLiteral("/other/mame"));
    w.SettingsFrm->HistEdtEnter(); // not empty any more: left alone
    EXPECT_EQ(w.SettingsFrm->HistEdt->text(), QStringLiteral("/opt/mame/history.dat"));
}

TEST_F(WindowTest, AutoFillAsksFirstAndReportsFailure) {
    startUp();
    Dialogs::queueAnswer(false);
    w.SettingsFrm->AutoFillBtnClick();
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(shownTexts()[0], QStringLiteral("This will overwrite current paths. Continue ?"));

    dir.write("program/mame.exe", "x");
    std::filesystem::create_directories(ctx.programDir + "snapshots");
    Dialogs::queueAnswer(true);
    w.SettingsFrm->AutoFillBtnClick();
    EXPECT_EQ(form->paths().executable, ctx.programDir + "mame.exe");
    EXPECT_EQ(form->paths().snapshot, ctx.programDir + "snapshots");
    EXPECT_FALSE(std::filesystem::exists(ctx.settingsPath())); // nothing saved yet
}

TEST_F(WindowTest, ConsoleCheckMarkFollowsTheWindow) {
    startUp();
    auto* button = form->ToolBar1->findChild<QToolButton*>(QStringLiteral("ConsoleTbtn"));
    ASSERT_NE(button, nullptr);
    form->ShowConsole->trigger();
    EXPECT_TRUE(w.ConsoleFrm->isVisible());
    EXPECT_TRUE(form->ShowConsole->isChecked());
    EXPECT_TRUE(button->isChecked());
    w.ConsoleFrm->close(); // as the title-bar button does
    EXPECT_FALSE(w.ConsoleFrm->isVisible());
    EXPECT_FALSE(form->ShowConsole->isChecked());
    EXPECT_FALSE(button->isChecked());
    button->click();
    EXPECT_TRUE(w.ConsoleFrm->isVisible());
    form->ShowConsoleClick();
    EXPECT_FALSE(w.ConsoleFrm->isVisible());
    EXPECT_FALSE(form->ShowConsole->isChecked());
}

TEST_F(WindowTest, ConsoleAppendsClearsAndKeepsLongLinesWhole) {
    TConsoleFrm* console = w.ConsoleFrm;
    console->appendLine("first");
    console->appendLines({"", "third", std::string(5000, 'x')});
    ASSERT_EQ(console->lines().size(), 4);
    EXPECT_EQ(console->lines()[1], QString());
    EXPECT_EQ(console->lines()[3].size(), 5000);
    console->show();
    EXPECT_GT(console->Console->horizontalScrollBar()->maximum(), 0); // no wrap: it scrolls sideways
    EXPECT_TRUE(console->Console->isReadOnly());

    console->Clear1Click();
    EXPECT_TRUE(console->lines().isEmpty());
    console->appendLine("after clear");
    EXPECT_EQ(console->lines(), QStringList{QStringLiteral("after clear")});
}
