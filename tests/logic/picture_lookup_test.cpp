#include "logic/test_support.h"
#include "media/picture_lookup.h"
#include "settings/path_settings.h"
#include "table/game_table.h"

#include <gtest/gtest.h>

using namespace zarn;
using zarn::test::TempDir;

namespace {

GameTable cloneTable() {
    GameTable t;
    t.writeHeaders();
    t.setRowCount(4);
    t.setCell(ColumnIndex("ROM"), 1, "parent");
    t.setCell(ColumnIndex("ROM"), 2, "clone");
    t.setCell(ColumnIndex("Clone Of"), 2, "parent");
    t.setCell(ColumnIndex("ROM"), 3, "");
    return t;
}

PathSettings allTypes() {
    PathSettings p;
    p.jpg = p.png = p.gif = p.bmp = p.ico = p.tif = true;
    return p;
}

} // namespace

TEST(PictureLookup, FirstTickedExtensionThenTheParent) {
    TempDir dir;
    const std::string folder = dir.folder() + "snap";
    dir.write("snap/parent.png", "p");
    dir.write("snap/parent.jpg", "j");
    dir.write("snap/clone.tif", "t");
    dir.write("snap/clone.gif", "g");
    const GameTable t = cloneTable();
    PathSettings p; // jpg and png ticked

    EXPECT_EQ(FindPicture(t, 1, folder, p), folder + "/parent.jpg");
    EXPECT_EQ(FindPicture(t, 1, folder + "/", p), folder + "/parent.jpg"); // one separator only
    p.jpg = false;
    EXPECT_EQ(FindPicture(t, 1, folder, p), folder + "/parent.png");
    // The clone's own .gif is not ticked and .tif never counts, so the parent's picture is taken.
    p.tif = true;
    EXPECT_EQ(FindPicture(t, 2, folder, p), folder + "/parent.png");
    p.gif = true;
    EXPECT_EQ(FindPicture(t, 2, folder, p), folder + "/clone.gif");
    EXPECT_EQ(PictureCaption(folder + "/parent.png"), "parent.png");

    PathSettings none;
    none.png = false;
    none.jpg = false;
    none.tif = true;
    EXPECT_EQ(FindPicture(t, 1, folder, none), "");
    EXPECT_EQ(FindPicture(t, 2, dir.folder() + "no_such_folder", allTypes()), "");
}

TEST(PictureLookup, TestsAtMostTenFilesInOrderAndNoneForEmptyNames) {
    const GameTable t = cloneTable();
    std::vector<std::string> tested;
    const FileTest record = [&](const std::string& path) {
        tested.push_back(path);
        return false;
    };
    EXPECT_EQ(FindPicture(t, 2, "/pics", allTypes(), record), "");
    const std::vector<std::string> expected = {
        "/pics/clone.jpg",  "/pics/clone.png",  "/pics/clone.gif",  "/pics/clone.bmp",
        "/pics/clone.ico",  "/pics/parent.jpg", "/pics/parent.png", "/pics/parent.gif",
        "/pics/parent.bmp", "/pics/parent.ico"};
    EXPECT_EQ(tested, expected);

    // Empty ROM and Clone Of, the header row and rows past the end test nothing.
    for (int row : {0, 3, 4, 100, -1}) {
        tested.clear();
        EXPECT_EQ(FindPicture(t, row, "/pics", allTypes(), record), "");
        EXPECT_TRUE(tested.empty()) << "row " << row;
    }
}

TEST(PictureLookup, FolderByTab) {
    PathSettings p;
    p.snapshot = "s";
    p.artwork = "a";
    p.cabinet = "c";
    p.flyers = "f";
    EXPECT_EQ(PictureFolder(p, 0), "s");
    EXPECT_EQ(PictureFolder(p, 1), "a");
    EXPECT_EQ(PictureFolder(p, 2), "c");
    EXPECT_EQ(PictureFolder(p, 3), "f");
    EXPECT_EQ(PictureFolder(p, -1), "");
}
