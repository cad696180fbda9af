#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "mame/extract_window.h"
#include "mame/list_import_handlers.h"
#include "settings/paths_dialog.h"
#include "table/game_table_model.h"
#include "table/table_file.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace zarn;

namespace {

const char* kQuestion =
    "Clear all table data and refresh the list of the emulated games from the mame executalbe (5-15 seconds) ?";

class Env {
public:
    void set(const char* name, const std::string& value) {
        names_.push_back(name);
        ::setenv(name, value.c_str(), 1);
    }
    ~Env() {
        for (const char* name : names_)
            ::unsetenv(name);
    }

private:
    std::vector<const char*> names_;
};

class ListImportTest : public WindowTest {
protected:
    ListImportTest() { env.set("FAKE_MAME_LOG", dir.folder() + "mame.log"); }

    void useMame(const std::string& path) { w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(path)); }

    // A table and a data file from before the import, to show what a failed import leaves alone.
    void keepOldTable() {
        form->model().bulkChange([&] {
            form->table().setCell(ColumnIndex("ROM"), 1, "old");
            form->table().setCell(ColumnIndex("Played"), 1, "7");
        });
        WriteTableDataFile(form->table(), ctx.tableDataPath());
        oldData = dir.read("program/zarn_data.dat");
    }
    void expectOldTableKept() {
        EXPECT_EQ(form->table().rowCount(), 2);
        EXPECT_EQ(form->table().cell(ColumnIndex("ROM"), 1), "old");
        EXPECT_EQ(dir.read("program/zarn_data.dat"), oldData);
        EXPECT_FALSE(form->TableReady);
        expectWindowsBack();
    }
    void expectWindowsBack() {
        EXPECT_FALSE(w.ExtractForm->isVisible());
        EXPECT_TRUE(form->menuBar()->isEnabled());
        EXPECT_TRUE(form->centralWidget()->isEnabled());
        EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    }
    std::string capture() const { return ctx.tempDir + "zarn_gamelist.txt"; }
    bool captureExists() const { return std::filesystem::exists(capture()); }
    QStringList console() const { return w.ConsoleFrm->lines(); }
    bool mameWasCalled() const { return std::filesystem::exists(dir.folder() + "mame.log"); }
    std::string rom(int row) const { return form->table().cell(ColumnIndex("ROM"), row); }

    Env env;
    std::string oldData;
};

bool processExists(const std::string& pidFile) {
    std::ifstream in(pidFile);
    int pid = 0;
    in >> pid;
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

} // namespace

TEST_F(ListImportTest, ImportBuildsSavesAndReports) {
    startUp();
    useMame(test::fakeMamePath());
    env.set("FAKE_MAME_LISTXML_FILE", test::fixturePath("listxml_087.xml"));
    keepOldTable();
    run([&] { form->Readgames1Click(); });

    EXPECT_EQ(shownTexts(), QStringList{QString::fromLatin1(kQuestion)});
    // Header, three games, and the empty row added after the save.
    ASSERT_EQ(form->table().rowCount(), 5);
    EXPECT_EQ(rom(1), "abc");
    EXPECT_EQ(rom(2), "abd");
    EXPECT_EQ(rom(3), "zed");
    EXPECT_EQ(form->table().cell(ColumnIndex("CPU"), 1), "Z80 1.79 Mhz");
    EXPECT_EQ(form->table().cell(ColumnIndex("Info"), 1), "Recommended Games:\n- Beta & Gamma\n- Delta");
    for (int c = 0; c < kColumnCount; ++c)
        EXPECT_EQ(form->table().cell(c, 4), "");
    EXPECT_EQ(form->model().rowCount(), 4);
    EXPECT_TRUE(form->TableReady);
    EXPECT_FALSE(captureExists());
    expectWindowsBack();
    EXPECT_TRUE(w.ExtractForm->ProgressBar->isVisibleTo(w.ExtractForm));
    EXPECT_EQ(w.ExtractForm->ProgressBar->value(), 3);

    const std::string saved = "Data saved to " + ctx.tableDataPath();
    EXPECT_EQ(form->statusText(0).toStdString(), saved);
    EXPECT_EQ(console(), (QStringList{QString::fromStdString("Calling " + test::fakeMamePath() + " -sortname -listxml"),
                                      QStringLiteral("Parsing Game Info"), QString::fromStdString(saved),
                                      QStringLiteral("Parsing Completed"), QStringLiteral("-----------------")}));

    // The file holds the games without the trailing empty row, Info text included.
    GameTable loaded;
    LoadTableData(ctx.tableDataPath(), loaded);
    ASSERT_EQ(loaded.rowCount(), 4);
    EXPECT_EQ(loaded.cell(ColumnIndex("ROM"), 3), "zed");
    EXPECT_EQ(loaded.cell(ColumnIndex("Info"), 1), "Recommended Games:\n- Beta & Gamma\n- Delta");
    EXPECT_EQ(loaded.cell(ColumnIndex("Played"), 2), "0");
}

TEST_F(ListImportTest, WhileMameRunsTheProgressWindowShowsStepOne) {
    startUp();
    useMame(test::fakeMamePath());
    env.set("FAKE_MAME_HANG_SECONDS", "2");
    struct Seen {
        bool ran = false, extractShown = false, exBold = false, parBold = true, menusEnabled = true,
             tableEnabled = true, tableReady = true, consoleEnabled = false;
        QString tmp;
        CursorKind cursor = CursorKind::Normal;
    } seen;
    form->TableReady = true;
    QTimer::singleShot(200, form, [&] {
        seen.ran = true;
        seen.extractShown = w.ExtractForm->isVisible();
        seen.exBold = w.ExtractForm->ExLbl->font().bold();
        seen.parBold = w.ExtractForm->ParLbl->font().bold();
        seen.tmp = w.ExtractForm->tmpLbl->text();
        seen.menusEnabled = form->menuBar()->isEnabled();
        seen.tableEnabled = form->centralWidget()->isEnabled();
        seen.consoleEnabled = w.ConsoleFrm->isEnabled();
        seen.tableReady = form->TableReady;
        seen.cursor = form->cursorKind();
    });
    run([&] { form->Readgames1Click(); });
    ASSERT_TRUE(seen.ran);
    EXPECT_TRUE(seen.extractShown);
    EXPECT_TRUE(seen.exBold);
    EXPECT_FALSE(seen.parBold);
    EXPECT_EQ(seen.tmp.toStdString(), capture());
    EXPECT_FALSE(seen.menusEnabled);
    EXPECT_FALSE(seen.tableEnabled);
    EXPECT_TRUE(seen.consoleEnabled);
    EXPECT_FALSE(seen.tableReady);
    EXPECT_EQ(seen.cursor, CursorKind::Busy);
    // After it: the parsing step is the bold one, and the import completed.
    EXPECT_FALSE(w.ExtractForm->ExLbl->font().bold());
    EXPECT_TRUE(w.ExtractForm->ParLbl->font().bold());
    EXPECT_TRUE(form->TableReady);
    EXPECT_EQ(rom(3), "g00003");
    EXPECT_EQ(w.ExtractForm->windowTitle(), QStringLiteral("ZARN - Refreshing Gamelist Info"));
}

TEST_F(ListImportTest, AnswerNoOrNoExecutableChangesNothing) {
    startUp();
    keepOldTable();
    useMame(test::fakeMamePath());
    Dialogs::queueAnswer(false);
    run([&] { form->Readgames1Click(); });
    EXPECT_EQ(form->statusText(0), QStringLiteral("Please refresh the gamelist (Game Data menu)"));

    for (const std::string& path : {std::string(), ctx.programDir, dir.folder() + "no/mame"}) {
        SCOPED_TRACE(path);
        useMame(path);
        run([&] { form->Readgames1Click(); });
        EXPECT_EQ(form->statusText(0), QStringLiteral("Please select the mame executable (Settings Menu)"));
    }
    EXPECT_FALSE(mameWasCalled());
    EXPECT_TRUE(console().isEmpty());
    expectOldTableKept();
}

TEST_F(ListImportTest, TimeOutLeavesTableAndCaptureAndEndsMame) {
    startUp();
    keepOldTable();
    useMame(test::fakeMamePath());
    env.set("FAKE_MAME_HANG_SECONDS", "60");
    env.set("FAKE_MAME_PID_FILE", dir.folder() + "pid");
    run([&] { readGameList(*form, 1); });

    EXPECT_EQ(form->statusText(0).toStdString(),
              "55 second timeout occured while executing \"" + test::fakeMamePath() + " -listxml");
    EXPECT_EQ(console().mid(1), (QStringList{QStringLiteral("55 second timeout occured"),
                                             QStringLiteral("--------------------------")}));
    EXPECT_FALSE(processExists(dir.folder() + "pid"));
    EXPECT_TRUE(captureExists());
    EXPECT_NE(dir.read("temp/zarn_gamelist.txt").find("g00003"), std::string::npos);
    expectOldTableKept();
}

TEST_F(ListImportTest, EmptyMissingOrUnstartableCaptureIsReported) {
    startUp();
    keepOldTable();
    const std::string notExecutable = dir.write("mame/mame", "not a program\n");
    struct Case {
        const char* name;
        std::string mame;
        const char* mode;
        std::string tempDir;
        const char* message;
    };
    const Case cases[] = {
        {"prints nothing", test::fakeMamePath(), "nothing", ctx.tempDir, " is empty - operation failed - check console."},
        {"cannot start", notExecutable, "", ctx.tempDir, " is empty - operation failed - check console."},
        {"no temporary folder", test::fakeMamePath(), "", dir.folder() + "gone/", " doesn't exist - operation failed - check console."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Dialogs::shownTexts().clear();
        // The window test's context is a copy; a missing temporary folder is made by removing it.
        if (c.tempDir != ctx.tempDir)
            std::filesystem::remove_all(ctx.tempDir);
        else
            std::filesystem::create_directories(ctx.tempDir);
        env.set("FAKE_MAME_LISTXML_MODE", c.mode);
        useMame(c.mame);
        run([&] { form->Readgames1Click(); });
        ASSERT_EQ(shownTexts().size(), 2);
        EXPECT_EQ(shownTexts()[1].toStdString(), capture() + c.message);
        EXPECT_FALSE(captureExists());
        expectOldTableKept();
    }
}

TEST_F(ListImportTest, BadOutputLosesNothingItCouldKeep) {
    startUp();
    useMame(test::fakeMamePath());
    std::ifstream in(test::fixturePath("listxml_087.xml"), std::ios::binary);
    const std::string once((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Twice the list, so that half of it holds whole games and ends inside one.
    const std::string fixture = once + once;
    const std::string half = fixture.substr(0, fixture.size() / 2);
    int completeInHalf = 0;
    for (size_t at = half.find("\n\t</game>"); at != std::string::npos; at = half.find("\n\t</game>", at + 1))
        ++completeInHalf;
    ASSERT_GE(completeInHalf, 1);
    env.set("FAKE_MAME_LISTXML_FILE", dir.write("twice.xml", fixture));

    struct Case {
        const char* mode;
        int games;
    };
    for (const Case& c : {Case{"halfway", completeInHalf}, Case{"killed", completeInHalf}, Case{"garbage", 0}}) {
        SCOPED_TRACE(c.mode);
        env.set("FAKE_MAME_LISTXML_MODE", c.mode);
        form->TableReady = false;
        run([&] { form->Readgames1Click(); });
        // Only whole game elements make rows; then the empty row.
        ASSERT_EQ(form->table().rowCount(), c.games + 2);
        EXPECT_EQ(rom(1), c.games ? "abc" : "");
        EXPECT_TRUE(form->TableReady);
        EXPECT_FALSE(captureExists());
        GameTable loaded;
        LoadTableData(ctx.tableDataPath(), loaded);
        EXPECT_EQ(loaded.rowCount(), c.games + 1);
        expectWindowsBack();
    }
}

TEST_F(ListImportTest, MoreThan5000GamesKeepTheBarFull) {
    startUp();
    useMame(test::fakeMamePath());
    env.set("FAKE_MAME_LISTXML_GAMES", "5200");
    run([&] { form->Readgames1Click(); });
    ASSERT_EQ(form->table().rowCount(), 5202);
    EXPECT_EQ(rom(5200), "g05200");
    EXPECT_EQ(form->table().cell(ColumnIndex("Clone Of"), 5199), "g05198");
    EXPECT_EQ(w.ExtractForm->ProgressBar->maximum(), 5000);
    EXPECT_EQ(w.ExtractForm->ProgressBar->value(), 5000);
}

TEST_F(ListImportTest, StartUpRefreshRunsTheImport) {
    dir.write("program/zarn.ini", "[ZARN]\nEXECUTABLE=" + test::fakeMamePath() + "\nAUTOEXTRACT=1\n");
    startUp();
    EXPECT_EQ(shownTexts(), QStringList{QString::fromLatin1(kQuestion)});
    EXPECT_TRUE(form->TableReady);
    EXPECT_EQ(rom(1), "g00001");
    EXPECT_EQ(form->table().columnWidth(0), 18);
}

TEST_F(ListImportTest, StartUpRefreshAnsweredNoLeavesTheTableEmpty) {
    GameTable saved;
    saved.setCell(ColumnIndex("ROM"), 1, "saved");
    WriteTableDataFile(saved, ctx.tableDataPath());
    const std::string data = dir.read("program/zarn_data.dat");
    dir.write("program/zarn.ini", "[ZARN]\nEXECUTABLE=" + test::fakeMamePath() + "\nAUTOEXTRACT=1\n");
    Dialogs::queueAnswer(false);
    startUp();

    EXPECT_EQ(shownTexts(), QStringList{QString::fromLatin1(kQuestion)});
    EXPECT_FALSE(form->TableReady);
    EXPECT_FALSE(mameWasCalled());
    for (int r = 1; r < form->table().rowCount(); ++r)
        for (int c = 0; c < kColumnCount; ++c)
            EXPECT_EQ(form->table().cell(c, r), "");
    EXPECT_EQ(dir.read("program/zarn_data.dat"), data);
}
