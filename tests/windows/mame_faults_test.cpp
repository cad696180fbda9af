// MAME misbehaving on each road the program runs it: the list import, the verification, a game
// start and "-createconfig". Every road meets the same faults: no executable, a file that cannot
// be run, a crash half-way, a hang past the limit, garbage, and output without line ends. Each
// run must return, keep events flowing while it waits, and leave the table as it should be.
#ifndef _WIN32

#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "emulator/mame_ini.h"
#include "mame/extract_window.h"
#include "mame/list_import.h"
#include "mame/list_import_handlers.h"
#include "mame/run_captured.h"
#include "roms/verification.h"
#include "settings/paths_dialog.h"
#include "table/game_table_model.h"
#include "table/table_file.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

using namespace zarn;

namespace {

enum class Mame { Runs, Missing, NotExecutable };

struct Fault {
    const char* name;
    Mame mame;
    const char* fault; // FAKE_MAME_FAULT
};

const Fault kMissing{"missing executable", Mame::Missing, ""};
const Fault kNotExecutable{"not executable", Mame::NotExecutable, ""};
const Fault kCrash{"crash half-way", Mame::Runs, "crash"};
const Fault kHang{"hang past the limit", Mame::Runs, "hang"};
const Fault kGarbage{"garbage output", Mame::Runs, "garbage"};
const Fault kNoLineEnds{"output without line ends", Mame::Runs, "noeol"};

bool processExists(const std::string& pidFile) {
    std::ifstream in(pidFile);
    int pid = 0;
    in >> pid;
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

// Counts timer ticks, to show that events were processed while a handler waited.
class Ticker {
public:
    Ticker() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] { ++ticks; });
        timer_.start();
    }
    int ticks = 0;

private:
    QTimer timer_;
};

class MameFaultTest : public WindowTest {
protected:
    MameFaultTest() : savedCwd(std::filesystem::current_path()) {
        mameFolder = dir.folder() + "mame/";
        std::filesystem::create_directories(mameFolder);
        std::filesystem::copy_file(test::fakeMamePath(), mameFolder + "mame");
        std::filesystem::copy_file(test::fakeMamePath(), mameFolder + "mame_noexec");
        std::filesystem::permissions(mameFolder + "mame_noexec",
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        set("FAKE_MAME_RELEASE", dir.folder() + "release");
        set("FAKE_MAME_PID_FILE", pidFile());
    }
    ~MameFaultTest() override {
        dir.write("release", ""); // lets a hanging stand-in end
        for (const char* name : names)
            ::unsetenv(name);
        std::filesystem::current_path(savedCwd);
    }

    void set(const char* name, const std::string& value) {
        names.push_back(name);
        ::setenv(name, value.c_str(), 1);
    }
    std::string executable(Mame m) const {
        switch (m) {
        case Mame::Runs: return mameFolder + "mame";
        case Mame::Missing: return mameFolder + "none";
        case Mame::NotExecutable: return mameFolder + "mame_noexec";
        }
        return {};
    }
    // Chooses the MAME and its fault for the next run.
    std::string use(const Fault& f) {
        std::filesystem::remove(pidFile());
        set("FAKE_MAME_FAULT", f.fault);
        const std::string exe = executable(f.mame);
        w.SettingsFrm->MLocationEdit->setText(QString::fromStdString(exe));
        Dialogs::shownTexts().clear();
        return exe;
    }
    std::string pidFile() const { return dir.folder() + "pid"; }
    QStringList console() const { return w.ConsoleFrm->lines(); }
    std::string cell(const char* column, int row) const { return form->table().cell(ColumnIndex(column), row); }
    std::string statuses() const {
        std::string s;
        for (int r = 1; r < form->table().rowCount(); ++r)
            s += cell("Status", r);
        return s;
    }
    void putTable(const GameTable& t) {
        form->model().bulkChange([&] { form->table() = t; });
        WriteTableDataFile(t, ctx.tableDataPath());
        dataBefore = dir.read("program/zarn_data.dat");
    }
    bool dataFileKept() const { return dir.read("program/zarn_data.dat") == dataBefore; }

    std::filesystem::path savedCwd;
    std::string mameFolder;
    std::vector<const char*> names;
    std::string dataBefore;
};

} // namespace

TEST_F(MameFaultTest, ListImport) {
    startUp();
    std::ifstream in(test::fixturePath("listxml_087.xml"), std::ios::binary);
    const std::string once((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Twice the list, so that its first half holds whole games and ends inside one.
    const std::string list = once + once;
    const std::string half = list.substr(0, list.size() / 2);
    int wholeInHalf = 0;
    for (size_t at = half.find("\n\t</game>"); at != std::string::npos; at = half.find("\n\t</game>", at + 1))
        ++wholeInHalf;
    ASSERT_GE(wholeInHalf, 1);
    set("FAKE_MAME_LISTXML_FILE", dir.write("twice.xml", list));
    const std::string capture = ctx.tempDir + kGameListCapture;

    GameTable old = test::tableWithRoms({"old1", "old2"});
    old.setCell(ColumnIndex("Played"), 1, "7");

    enum class Table { Kept, Imported };
    struct Case {
        Fault fault;
        Table table;
        int games;           // when imported
        std::string message; // box after the question, empty for none
        std::string status;  // status panel 0 afterwards, empty when the save reports there
        std::string consoleLine = {}; // a line that must be in the console, or empty
    };
    const std::string noExe = "Please select the mame executable (Settings Menu)";
    const Case cases[] = {
        {kMissing, Table::Kept, 0, "", noExe},
        {kNotExecutable, Table::Kept, 0, capture + " is empty - operation failed - check console.", "",
         "MAME could not be started: " + executable(Mame::NotExecutable)},
        {kCrash, Table::Imported, wholeInHalf, "", "", kCrashedLine},
        {kHang, Table::Kept, 0, "",
         "55 second timeout occured while executing \"" + executable(Mame::Runs) + " -listxml"},
        {kGarbage, Table::Imported, 0, "", ""},
        {kNoLineEnds, Table::Imported, 0, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault.name);
        putTable(old);
        form->TableReady = false;
        use(c.fault);
        w.ConsoleFrm->Clear1Click();
        form->setStatus(0, "");
        Ticker ticker;
        QElapsedTimer clock;
        clock.start();
        run([&] { readGameList(*form, 1); });

        // One second of waiting at most, and events ran during it.
        EXPECT_LT(clock.elapsed(), 6000);
        if (c.fault.fault == std::string("hang")) {
            EXPECT_GT(ticker.ticks, 0);
        }
        EXPECT_FALSE(processExists(pidFile()));
        EXPECT_FALSE(w.ExtractForm->isVisible());
        EXPECT_TRUE(form->menuBar()->isEnabled());
        EXPECT_TRUE(form->centralWidget()->isEnabled());
        EXPECT_EQ(form->cursorKind(), CursorKind::Normal);

        const QStringList boxes = shownTexts().mid(1);
        if (c.message.empty()) {
            EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('|')).toStdString();
        } else {
            EXPECT_EQ(boxes, QStringList{QString::fromStdString(c.message)});
        }
        if (c.table == Table::Kept) {
            EXPECT_EQ(form->table().rowCount(), 3);
            EXPECT_EQ(cell("ROM", 1), "old1");
            EXPECT_EQ(cell("Played", 1), "7");
            EXPECT_TRUE(dataFileKept());
            EXPECT_FALSE(form->TableReady);
            EXPECT_EQ(form->statusText(0).toStdString(), c.status);
        } else {
            // Only whole game elements became rows; then the import's empty row.
            EXPECT_EQ(form->table().rowCount(), c.games + 2);
            EXPECT_TRUE(form->TableReady);
            EXPECT_EQ(form->statusText(0).toStdString(), "Data saved to " + ctx.tableDataPath());
            GameTable loaded;
            LoadTableData(ctx.tableDataPath(), loaded);
            EXPECT_EQ(loaded.rowCount(), c.games + 1);
        }
        if (!c.consoleLine.empty()) {
            EXPECT_TRUE(console().contains(QString::fromStdString(c.consoleLine)));
        }
        // A MAME that ran to its end names no fault it did not have.
        EXPECT_EQ(console().contains(QString::fromLatin1(kCrashedLine)), c.fault.fault == std::string("crash"));
    }
}

namespace {

class RecordingView : public VerifyView {
public:
    void begin() override { ++begun; }
    void setStage(int) override {}
    void setProgressMaximum(int) override {}
    void setProgress(int) override {}
    void UpdateVerifyProgress(const std::string&) override {}
    void suspendTableRepaint() override { suspended = true; }
    void resumeTableRepaint() override { suspended = false; }
    void end() override { ++ended; }
    int begun = 0;
    int ended = 0;
    bool suspended = false;
};

} // namespace

TEST_F(MameFaultTest, Verification) {
    // Every set has its archive, so the first stage marks all found (0), and the report calls
    // each of them bad (1) line by line, all lines of one length.
    GameTable old = test::tableWithRoms({"a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8"});
    std::string report;
    for (int i = 1; i <= 8; ++i) {
        const std::string name = "a" + std::to_string(i);
        dir.write("mame/roms/" + name + ".zip", "zip");
        old.setCell(ColumnIndex("Status"), i, "3");
        report += "romset " + name + " is bad\n";
    }
    set("FAKE_MAME_VERIFY_REPORT", dir.write("report.txt", report));

    struct Case {
        Fault fault;
        std::string statuses;
        bool saved;
        std::string consoleLine; // a line that must be in the console, or empty
    };
    const Case cases[] = {
        {kMissing, "33333333", false, ""},
        {kNotExecutable, "00000000", true, "MAME could not be started: " + executable(Mame::NotExecutable)},
        {kCrash, "11110000", true, kCrashedLine},
        {kHang, "11111111", true, "Timeout Occured"},
        {kGarbage, "00000000", true, ""},
        // One line, so one set: the first word after "romset".
        {kNoLineEnds, "10000000", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault.name);
        putTable(old);
        const std::string exe = use(c.fault);
        w.ConsoleFrm->Clear1Click();
        RecordingView view;
        RomNameSet names;
        VerifyOptions options;
        options.limitSeconds = 1;
        Ticker ticker;
        QElapsedTimer clock;
        clock.start();
        run([&] { VerifyRoms(form->table(), exe, names, ctx, *form, view, options); });

        EXPECT_LT(clock.elapsed(), 6000);
        if (c.fault.fault == std::string("hang")) {
            EXPECT_GT(ticker.ticks, 0);
        }
        EXPECT_FALSE(processExists(pidFile()));
        EXPECT_EQ(view.begun, view.ended);
        EXPECT_FALSE(view.suspended);
        EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
        EXPECT_TRUE(shownTexts().isEmpty()) << shownTexts().join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(statuses(), c.statuses);
        if (c.saved) {
            GameTable loaded;
            LoadTableData(ctx.tableDataPath(), loaded);
            std::string savedStatuses;
            for (int r = 1; r < loaded.rowCount(); ++r)
                savedStatuses += loaded.cell(ColumnIndex("Status"), r);
            EXPECT_EQ(savedStatuses, c.statuses);
        } else {
            EXPECT_TRUE(dataFileKept());
            EXPECT_EQ(form->statusText(0), QStringLiteral("Please select the mame executable (Settings->ZARN Paths)"));
        }
        if (!c.consoleLine.empty()) {
            EXPECT_TRUE(console().contains(QString::fromStdString(c.consoleLine)));
        }
    }
}

TEST_F(MameFaultTest, GameStart) {
    startUp();
    putTable(test::tableWithRoms({"pacman"}));
    set("FAKE_MAME_GAME_STDOUT", "line 1\nline 2\nline 3\nline 4\n");
    const QString end = QString::fromLatin1(kLogEndLine);

    struct Case {
        Fault fault;
        bool starts;
        std::string status;    // status panel 0 after a failed start
        QStringList consoleEnd; // the console's last lines once the game has ended
    };
    const QString l1 = QStringLiteral("line 1"), l2 = QStringLiteral("line 2");
    const QStringList all = {l1, l2, QStringLiteral("line 3"), QStringLiteral("line 4"), end};
    const Case cases[] = {
        {kMissing, false, "No such file or directory(" + executable(Mame::Missing) + ")", {}},
        {kNotExecutable, false, "Permission denied(" + executable(Mame::NotExecutable) + ")", {}},
        {kCrash, true, "", {l1, l2, end}},
        // A game runs until the user ends it; the watch goes on meanwhile.
        {kHang, true, "", all},
        {kGarbage, true, "", {end}},
        {kNoLineEnds, true, "", {QStringLiteral("line 1line 2line 3line 4"), end}},
    };
    int played = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault.name);
        use(c.fault);
        w.ConsoleFrm->Clear1Click();
        run([&] { form->PlayBtnClick(); });
        // The count rises with every start, also one that fails.
        EXPECT_EQ(cell("Played", 1), std::to_string(++played));
        if (!c.starts) {
            EXPECT_FALSE(form->emulator().active());
            EXPECT_FALSE(form->proctimer->isActive());
            EXPECT_EQ(form->statusText(0).toStdString(), c.status);
            EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
            continue;
        }
        ASSERT_TRUE(form->emulator().active());
        if (c.fault.fault == std::string("hang")) {
            for (int i = 0; i < 3; ++i)
                run([&] { form->proctimerTimer(); });
            EXPECT_TRUE(form->emulator().active());
            EXPECT_EQ(form->statusText(1), QString::fromLatin1(kRunningText));
            run([&] { form->KillBtnClick(); });
        }
        for (int i = 0; i < 100 && form->proctimer->isActive(); ++i)
            run([&] { form->proctimerTimer(); });
        EXPECT_FALSE(form->emulator().active());
        EXPECT_EQ(form->statusText(1), QString::fromLatin1(kNotRunningText));
        EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
        EXPECT_TRUE(shownTexts().isEmpty()) << shownTexts().join(QLatin1Char('|')).toStdString();
        const QStringList lines = console();
        ASSERT_GE(lines.size(), c.consoleEnd.size());
        EXPECT_EQ(lines.mid(lines.size() - c.consoleEnd.size()), c.consoleEnd);
        if (c.fault.fault == std::string("garbage")) {
            EXPECT_GT(lines.size(), 2);
        }
    }
    EXPECT_TRUE(dataFileKept());
}

TEST_F(MameFaultTest, CreateConfig) {
    struct Case {
        Fault fault;
        CreateConfigOutcome outcome;
    };
    const Case cases[] = {
        {kMissing, CreateConfigOutcome::NotStarted},
        {kNotExecutable, CreateConfigOutcome::NotStarted},
        {kCrash, CreateConfigOutcome::Finished},
        // Left to finish by itself once the wait is over.
        {kHang, CreateConfigOutcome::StillRunning},
        {kGarbage, CreateConfigOutcome::Finished},
        {kNoLineEnds, CreateConfigOutcome::Finished},
    };
    putTable(test::tableWithRoms({"pacman"}));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault.name);
        const std::string exe = use(c.fault);
        w.ConsoleFrm->Clear1Click();
        QElapsedTimer clock;
        clock.start();
        CreateConfigOutcome outcome = CreateConfigOutcome::NotStarted;
        run([&] { outcome = CreateMameIni(exe, *form, 1000); });
        EXPECT_LT(clock.elapsed(), 4000);
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
        EXPECT_EQ(console(), (QStringList{QString(19, QLatin1Char('-')), QString::fromStdString("Calling \"" + exe + " -createconfig\"")}));
        EXPECT_TRUE(shownTexts().isEmpty());
        EXPECT_EQ(statuses(), "");
        EXPECT_TRUE(dataFileKept());
    }
    dir.write("release", "");
}

#endif
