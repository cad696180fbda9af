#include "windows/window_fixture.h"

#include "app/paths.h"
#include "media/picture_view.h"
#include "settings/paths_dialog.h"
#include "table/game_table_model.h"
#include "table/table_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QThread>
#include <QTimer>

using namespace zarn;

namespace {

const int kRom = ColumnIndex("ROM");

// A 1x1 GIF; Qt reads GIF but cannot write it.
const char kGif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x2c\x00\x00\x00\x00"
                    "\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";

void pumpFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(2);
    }
}

class MediaPanelTest : public WindowTest {
protected:
    MediaPanelTest() {
        startUp();
        pumpFor(80); // the tick that the window's creation started
        settings.snapshot = dir.folder() + "snap";
        settings.cabinet = dir.folder() + "cab";
        form->SettingsFrm->setSettings(settings);
    }

    // Rows of ROM and Clone Of texts, and a table that counts as loaded.
    void setRows(const std::vector<std::pair<std::string, std::string>>& rows) {
        form->model().bulkChange([&] {
            GameTable& t = form->table();
            t.setRowCount(static_cast<int>(rows.size()) + 1);
            for (size_t i = 0; i < rows.size(); ++i) {
                t.setCell(kRom, static_cast<int>(i) + 1, rows[i].first);
                t.setCell(ColumnIndex("Clone Of"), static_cast<int>(i) + 1, rows[i].second);
            }
        });
        form->TableReady = true;
    }

    void writeImage(const std::string& name, const char* format) {
        const std::string path = dir.folder() + name;
        dir.write(name, "");
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(QString::fromStdString(path), format)) << name;
    }

    std::string label() const { return form->ImgLbl->text().toStdString(); }

    PathSettings settings;
};

} // namespace

TEST_F(MediaPanelTest, EveryPictureKindDecodesWithItsNameInTheCorner) {
    writeImage("snap/g0.jpg", "JPG");
    writeImage("snap/g1.png", "PNG");
    dir.write("snap/g2.gif", std::string(kGif, sizeof kGif - 1));
    writeImage("snap/g3.bmp", "BMP");
    writeImage("snap/g4.ico", "ICO");
    settings.gif = settings.bmp = settings.ico = true;
    form->SettingsFrm->setSettings(settings);
    setRows({{"g0", ""}, {"g1", ""}, {"g2", ""}, {"g3", ""}, {"g4", ""}});
    EXPECT_EQ(form->ImageEn1->background(), QColor(Qt::black));

    const char* names[] = {"g0.jpg", "g1.png", "g2.gif", "g3.bmp", "g4.ico"};
    for (int row = 1; row <= 5; ++row) {
        form->showImage(1, row);
        EXPECT_FALSE(form->ImageEn1->image().isNull()) << names[row - 1];
        EXPECT_EQ(label(), names[row - 1]);
        EXPECT_EQ(form->ImgLbl->toolTip(), form->ImgLbl->text());
    }
    // The label sits on the picture's lower-left corner.
    EXPECT_EQ(form->ImgLbl->x(), 0);
    EXPECT_EQ(form->ImgLbl->y() + form->ImgLbl->height(), form->ImageEn1->height());
    EXPECT_EQ(form->ImageEn1->background(), QColor(Qt::black));
}

TEST_F(MediaPanelTest, ClonesMissingAndBrokenPictures) {
    writeImage("snap/parent.png", "PNG");
    writeImage("snap/parent.jpg", "JPG");
    writeImage("snap/only.tif", "TIFF");
    dir.write("snap/broken.jpg", "this is no picture at all");
    dir.write("snap/empty.png", "");
    settings.tif = true;
    form->SettingsFrm->setSettings(settings);
    setRows({{"parent", ""}, {"clone", "parent"}, {"only", ""}, {"broken", ""}, {"empty", ""}});

    form->showImage(1, 2);
    EXPECT_EQ(label(), "parent.jpg"); // jpg before png, the parent's file name
    EXPECT_FALSE(form->ImageEn1->image().isNull());

    form->showImage(1, 3); // .tif is never shown
    EXPECT_TRUE(form->ImageEn1->image().isNull());
    EXPECT_EQ(label(), "");
    EXPECT_EQ(form->ImgLbl->toolTip(), QString());
    EXPECT_EQ(form->ImageEn1->background(), form->palette().color(QPalette::Window));

    for (int row : {4, 5}) { // found, but nothing to show
        form->showImage(1, 1);
        form->showImage(1, row);
        EXPECT_TRUE(form->ImageEn1->image().isNull()) << row;
        EXPECT_EQ(label(), row == 4 ? "broken.jpg" : "empty.png");
    }

    settings.jpg = settings.png = false;
    form->SettingsFrm->setSettings(settings);
    form->showImage(1, 1);
    EXPECT_TRUE(form->ImageEn1->image().isNull());
    EXPECT_EQ(label(), "");
}

TEST_F(MediaPanelTest, TabSwitchSearchesTheSameRowAndKeepsBioBox) {
    writeImage("snap/abc.png", "PNG");
    writeImage("cab/abc.jpg", "JPG");
    setRows({{"xyz", ""}, {"abc", ""}});
    form->table().setCell(ColumnIndex("Info"), 2, "Info text");
    form->table().setCell(ColumnIndex("Bio"), 2, "Bio line 1\nBio line 2");
    form->setCurrentRow(2);
    form->GridTimerTimer();
    EXPECT_EQ(label(), "abc.png");
    EXPECT_EQ(form->BioBox->toPlainText(), QStringLiteral("Info text\nBio line 1\nBio line 2"));

    form->BioBox->setPlainText(QStringLiteral("written by someone else"));
    form->TabControl1->setCurrentIndex(2);
    EXPECT_EQ(label(), "abc.jpg");
    form->TabControl1->setCurrentIndex(1); // no artwork folder
    EXPECT_EQ(label(), "");
    EXPECT_EQ(form->BioBox->toPlainText(), QStringLiteral("written by someone else"));
}

TEST_F(MediaPanelTest, BurstOfSelectionsGivesOneLookupForTheLastRow) {
    for (const char* name : {"a", "b", "c", "d"})
        writeImage(std::string("snap/") + name + ".png", "PNG");
    setRows({{"a", ""}, {"b", ""}, {"c", ""}, {"d", ""}});
    int ticks = 0;
    QObject::connect(form->GridTimer, &QTimer::timeout, form, [&] { ++ticks; });
    for (int row = 1; row <= 4; ++row) {
        form->setCurrentRow(row);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(form->statusText(2), QStringLiteral("Line 4"));
    EXPECT_EQ(label(), "      "); // nothing looked up yet
    pumpFor(250);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(label(), "d.png");
}

TEST_F(MediaPanelTest, BeforeATableIsReadyOnlyTheLineAndBioBoxFollow) {
    writeImage("snap/a.png", "PNG");
    writeImage("snap/b.png", "PNG");
    setRows({{"a", ""}, {"b", ""}});
    form->table().setCell(ColumnIndex("Info"), 2, "b info");
    form->showImage(1, 1);
    form->TableReady = false;
    form->setCurrentRow(2);
    EXPECT_EQ(form->statusText(2), QStringLiteral("Line 2"));
    form->GridTimerTimer();
    EXPECT_EQ(form->BioBox->toPlainText(), QStringLiteral("b info\n"));
    EXPECT_EQ(label(), "a.png");
    // The row is remembered: once ready, a tab change shows it.
    form->TableReady = true;
    form->TabControl1Change();
    EXPECT_EQ(label(), "b.png");
}

TEST_F(MediaPanelTest, HistoryImportFillsBioAndSaves) {
    EXPECT_TRUE(form->Readhistorydat1->isEnabled());
    settings.history = dir.write("history.dat", "$info=abc,\r\n$bio\r\n\r\nA story.\r\n$end\r\n");
    form->SettingsFrm->setSettings(settings);
    setRows({{"abc", ""}});

    Dialogs::queueAnswer(false);
    run([&] { form->Readhistorydat1Click(); });
    EXPECT_EQ(form->table().cell(ColumnIndex("Bio"), 1), "");
    EXPECT_EQ(entryKind(ctx.tableDataPath()), EntryKind::Missing);

    run([&] { form->Readhistorydat1Click(); });
    const QString question = QStringLiteral("Parse HISTORY.DAT file data into table (15-60 seconds)?");
    EXPECT_EQ(shownTexts(), (QStringList{question, question})); // asked once per click, nothing else
    EXPECT_TRUE(form->table().cell(ColumnIndex("Bio"), 1).ends_with("]:\n \nA story."));
    EXPECT_EQ(form->statusText(0).toStdString(), "Data saved to " + ctx.tableDataPath());
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
    GameTable saved;
    LoadTableData(ctx.tableDataPath(), saved);
    EXPECT_EQ(saved.cell(ColumnIndex("Bio"), 1), form->table().cell(ColumnIndex("Bio"), 1));
}

TEST_F(MediaPanelTest, HistoryFileMissingStillSavesTheTable) {
    settings.history = dir.folder() + "gone.dat";
    form->SettingsFrm->setSettings(settings);
    setRows({{"abc", ""}});
    run([&] { form->Readhistorydat1Click(); });
    ASSERT_EQ(shownTexts().size(), 2);
    EXPECT_EQ(shownTexts()[1].toStdString(), settings.history + " No such file or directory");
    EXPECT_EQ(form->statusText(0).toStdString(), "Data saved to " + ctx.tableDataPath());
    EXPECT_EQ(entryKind(ctx.tableDataPath()), EntryKind::File);
}

TEST_F(MediaPanelTest, NPlayersImportFromTheProgramFolder) {
    EXPECT_TRUE(form->Readnplayersini1->isEnabled());
    setRows({{"abc", ""}, {"xyz", ""}});
    form->table().setCell(ColumnIndex("Players"), 2, "old");

    run([&] { form->Readnplayersini1Click(); });
    ASSERT_EQ(shownTexts().size(), 2);
    EXPECT_EQ(shownTexts()[0], QStringLiteral("Parse nplayers.ini file data into table (1-10 seconds)?"));
    EXPECT_EQ(shownTexts()[1], QStringLiteral("nplayers.ini not found in current path"));
    EXPECT_EQ(form->table().cell(ColumnIndex("Players"), 2), "old");
    EXPECT_EQ(form->statusText(0).toStdString(), "Data saved to " + ctx.tableDataPath());

    dir.write("program/nplayers.ini", "[NPlayers]\nABC=2P alt\n");
    run([&] { form->Readnplayersini1Click(); });
    EXPECT_EQ(form->table().cell(ColumnIndex("Players"), 1), "2P alt");
    EXPECT_EQ(form->table().cell(ColumnIndex("Players"), 2), "");
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);
}
