#include "windows/window_fixture.h"

#include "console/console_window.h"
#include "emulator/file_opener.h"
#include "emulator/mame_ini.h"
#include "settings/paths_dialog.h"

#include <QDir>

#include <cstdlib>
#include <filesystem>

using namespace zarn;

namespace {

// A stand-in MAME copied into a folder whose name has a blank, with its invocations logged. The
// current directory, the stand-in's environment and the opener are put back afterwards.
class MameIniWindowTest : public WindowTest {
protected:
    MameIniWindowTest() : savedCwd(std::filesystem::current_path()) {
        mameFolder = dir.folder() + "mame folder/";
        std::filesystem::create_directories(mameFolder);
        mame = mameFolder + "mame";
        std::filesystem::copy_file(test::fakeMamePath(), mame);
        log = dir.folder() + "fake.log";
        release = dir.folder() + "release";
        ::setenv("FAKE_MAME_LOG", log.c_str(), 1);
        ::setenv("FAKE_MAME_RELEASE", release.c_str(), 1);
        FileOpener::reset();
        FileOpener::setRecording(true);
    }
    ~MameIniWindowTest() override {
        dir.write("release", ""); // lets a hanging stand-in end
        ::unsetenv("FAKE_MAME_LOG");
        ::unsetenv("FAKE_MAME_RELEASE");
        ::unsetenv("FAKE_MAME_CREATECONFIG");
        FileOpener::reset();
        std::filesystem::current_path(savedCwd);
    }

    void useMame(const std::string& executable) {
        PathSettings s = form->paths();
        s.executable = executable;
        w.SettingsFrm->setSettings(s);
    }
    QStringList consoleLines() const { return w.ConsoleFrm->lines(); }
    std::string logText() const { return dir.read("fake.log"); }

    std::filesystem::path savedCwd;
    std::string mameFolder, mame, log, release;
};

} // namespace

TEST_F(MameIniWindowTest, CreateRunsMameInItsFolderAndLeavesThatFolderCurrent) {
    startUp();
    useMame(mame);
    run([this] { form->Createmameini1Click(); });

    EXPECT_EQ(consoleLines(), (QStringList{QStringLiteral("-------------------"),
                                           QString::fromStdString("Calling \"" + mame + " -createconfig\"")}));
    // One argument, not split at the blank in the folder name, and run in MAME's folder.
    const std::string folderNoSlash = mameFolder.substr(0, mameFolder.size() - 1);
    EXPECT_EQ(logText(), "-createconfig\ncwd " + folderNoSlash + "\n");
    EXPECT_TRUE(std::filesystem::exists(mameFolder + "mame.ini"));
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), mameFolder));
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_TRUE(form->Createmameini1->isEnabled());
    EXPECT_TRUE(form->Editmameini1->isEnabled());
}

TEST_F(MameIniWindowTest, AHangingMameIsLeftRunningOnceTheWaitIsOver) {
    ::setenv("FAKE_MAME_CREATECONFIG", "hang", 1);
    test::RecordingUi ui;
    EXPECT_EQ(CreateMameIni(mame, ui, 300), CreateConfigOutcome::StillRunning);
    // It was started, wrote nothing, and the cursor is back.
    EXPECT_NE(logText().find("-createconfig"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(mameFolder + "mame.ini"));
    EXPECT_EQ(ui.cursors, (std::vector<CursorKind>{CursorKind::Busy, CursorKind::Normal}));
    EXPECT_EQ(ui.console.size(), 2u);
}

TEST_F(MameIniWindowTest, CreateWithNoUsableMameSaysNothingBeyondItsTwoLines) {
    startUp();
    for (const std::string& executable : {std::string(), mameFolder + "missing"}) {
        w.ConsoleFrm->Clear1Click();
        useMame(executable);
        run([this] { form->Createmameini1Click(); });
        EXPECT_EQ(consoleLines(),
                  (QStringList{QStringLiteral("-------------------"),
                               QString::fromStdString("Calling \"" + executable + " -createconfig\"")}));
    }
    EXPECT_TRUE(shownTexts().isEmpty());
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    EXPECT_EQ(CreateMameIni("", *form, 100), CreateConfigOutcome::NotStarted);
}

TEST_F(MameIniWindowTest, EditHandsTheIniPathToTheDesktopOpener) {
    startUp();
    useMame(mameFolder + "mame.bin");
    run([this] { form->Editmameini1Click(); });
    EXPECT_EQ(FileOpener::openedPaths(), (std::vector<std::string>{mameFolder + "mame.ini"}));
    EXPECT_TRUE(std::filesystem::equivalent(std::filesystem::current_path(), mameFolder));
    EXPECT_TRUE(consoleLines().isEmpty());
    EXPECT_TRUE(shownTexts().isEmpty());
}
