#include "windows/window_fixture.h"

#include "table/game_table_model.h"
#include "app/application.h"
#include "settings/ini_file.h"
#include "table/table_file.h"
#include "tools/game_header_view.h"
#include "tools/search_highlight.h"
#include "tools/table_tools.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSplitter>
#include <QTableView>
#include <QKeyEvent>

#include <fstream>
#include <sstream>

using namespace zarn;

namespace {

const int kStatus = ColumnIndex("Status"), kRom = ColumnIndex("ROM"), kDesc = ColumnIndex("Description"),
          kPlayed = ColumnIndex("Played"), kBio = ColumnIndex("Bio");

struct Game {
    std::string status, rom, description, played;
};

// A key typed into a widget the way the system delivers it (through the application).
void keyClick(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class TableToolsTest : public WindowTest {
protected:
    // Saves the games as the table data file, starts up and shows the window.
    void startWith(const std::vector<Game>& games) {
        GameTable saved;
        saved.setRowCount(static_cast<int>(games.size()) + 1);
        for (size_t i = 0; i < games.size(); ++i) {
            const int r = static_cast<int>(i) + 1;
            saved.setCell(kStatus, r, games[i].status);
            saved.setCell(kRom, r, games[i].rom);
            saved.setCell(kDesc, r, games[i].description);
            saved.setCell(kPlayed, r, games[i].played);
            saved.setCell(kBio, r, "bio of " + games[i].rom);
        }
        WriteTableDataFile(saved, ctx.tableDataPath());
        startUp();
        form->resize(1000, 600);
        form->show();
        QApplication::processEvents();
        header = tableTools(form)->header();
    }

    std::vector<std::string> roms() const {
        std::vector<std::string> out;
        for (int r = 1; r < form->table().rowCount(); ++r)
            out.push_back(form->table().cell(kRom, r));
        return out;
    }

    // The middle of a column's header cell, in header coordinates.
    QPoint middleOf(int logical) const {
        return {header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2};
    }

    void mouse(QEvent::Type type, QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, header->viewport()->mapToGlobal(pos), Qt::LeftButton, buttons, modifiers);
        QApplication::sendEvent(header->viewport(), &event);
    }
    void click(QPoint pos, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        mouse(QEvent::MouseButtonPress, pos, modifiers);
        mouse(QEvent::MouseButtonRelease, pos, modifiers);
    }
    void drag(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from);
        for (int step = 1; step <= 10; ++step)
            mouse(QEvent::MouseMove, from + (to - from) * step / 10);
        mouse(QEvent::MouseButtonRelease, to);
    }

    GameHeaderView* header = nullptr;
};

const std::vector<Game> kGames = {
    {"0", "zaxxon", "Zaxxon", "10"},
    {"4", "pacman", "Pac-Man", "9"},
    {"", "apple", "apple Panic", ""},
    {"1", "xyzzy", "Adventure", "100"},
    {"3", "racer", "XYZ Racing", "2"},
};

} // namespace

TEST_F(TableToolsTest, SearchFromTheBeginningHighlightsAndNextGoesOn) {
    startWith(kGames);
    EXPECT_TRUE(form->FindBtn->isEnabled());
    form->FindBox->setText(QStringLiteral("xyz"));
    keyClick(form->FindBox, Qt::Key_Return);
    EXPECT_EQ(form->statusText(0), QStringLiteral("Text found on row 4"));
    EXPECT_EQ(form->currentRow(), 4);
    EXPECT_TRUE(form->Grid->selectionModel()->isRowSelected(3, {}));
    // The highlight marks the text in every shown cell of the row; the cells keep their texts.
    SearchHighlightDelegate* marks = tableTools(form)->highlight();
    using Ranges = std::vector<std::pair<int, int>>;
    EXPECT_EQ(marks->ranges(form->model().index(3, kRom)), (Ranges{{0, 3}}));
    EXPECT_EQ(marks->ranges(form->model().index(3, kDesc)), Ranges{});
    EXPECT_EQ(marks->ranges(form->model().index(4, kDesc)), Ranges{});
    EXPECT_EQ(form->table().cell(kRom, 4), "xyzzy");

    // F3 with a modifier goes on from the current row; the ROM column is done, so the
    // description of row 5 is found. No highlight then.
    keyClick(form->Grid, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(form->statusText(0), QStringLiteral("Text found on row 5"));
    EXPECT_EQ(form->currentRow(), 5);
    EXPECT_EQ(marks->highlightedRow(), -1);

    // Find Next on the last row: nothing, the row stays.
    form->FindNextBtn->trigger();
    EXPECT_EQ(form->statusText(0), QStringLiteral("Text not found"));
    EXPECT_EQ(form->currentRow(), 5);

    form->FindPrevBtn->trigger();
    EXPECT_EQ(form->currentRow(), 4);
    form->setCurrentRow(1);
    form->FindPrevBtn->trigger();
    EXPECT_EQ(form->statusText(0), QStringLiteral("Text not found"));
    EXPECT_EQ(form->currentRow(), 1);
}

TEST_F(TableToolsTest, SearchWithoutMatchStillHighlightsTheCurrentRow) {
    startWith(kGames);
    form->setCurrentRow(2);
    form->FindBox->setText(QStringLiteral("9"));
    form->FindBtn->trigger();
    EXPECT_EQ(form->statusText(0), QStringLiteral("Text not found"));
    EXPECT_EQ(form->currentRow(), 2);
    EXPECT_EQ(tableTools(form)->highlight()->ranges(form->model().index(1, kPlayed)),
              (std::vector<std::pair<int, int>>{{0, 1}}));
    // Moving to another row drops the mark.
    form->setCurrentRow(3);
    EXPECT_EQ(tableTools(form)->highlight()->highlightedRow(), -1);
}

TEST_F(TableToolsTest, HeaderClicksSortAscendingDescendingAscending) {
    startWith(kGames);
    form->setCurrentRow(2);
    click(middleOf(kRom));
    EXPECT_EQ(roms(), (std::vector<std::string>{"apple", "pacman", "racer", "xyzzy", "zaxxon"}));
    EXPECT_EQ(form->currentRow(), 2); // the row number stays, the game changes
    EXPECT_EQ(header->sortKeys(), (SortKeyList{{kRom, false}}));
    click(middleOf(kRom));
    EXPECT_EQ(roms(), (std::vector<std::string>{"zaxxon", "xyzzy", "racer", "pacman", "apple"}));
    click(middleOf(kRom));
    EXPECT_EQ(roms(), (std::vector<std::string>{"apple", "pacman", "racer", "xyzzy", "zaxxon"}));
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);

    // Played sorts as numbers, empty first; Bio and icons go with their rows.
    click(middleOf(kPlayed));
    EXPECT_EQ(roms(), (std::vector<std::string>{"apple", "racer", "pacman", "zaxxon", "xyzzy"}));
    EXPECT_EQ(form->table().cell(kBio, 3), "bio of pacman");
    EXPECT_EQ(form->table().icon(3), 4);
    EXPECT_EQ(form->table().icon(1), kNoIcon);

    // Description as text: upper case first.
    click(middleOf(kDesc));
    EXPECT_EQ(roms(), (std::vector<std::string>{"xyzzy", "pacman", "racer", "zaxxon", "apple"}));
}

TEST_F(TableToolsTest, ShiftClickAddsASecondKey) {
    startWith({{"4", "b", "B", "1"}, {"0", "a", "A", "2"}, {"4", "c", "C", "3"}, {"0", "d", "D", "4"}});
    click(middleOf(kStatus));
    click(middleOf(kDesc), Qt::ShiftModifier);
    EXPECT_EQ(roms(), (std::vector<std::string>{"a", "d", "b", "c"}));
    click(middleOf(kDesc), Qt::ShiftModifier);
    EXPECT_EQ(roms(), (std::vector<std::string>{"d", "a", "c", "b"}));
    EXPECT_EQ(header->sortKeys(), (SortKeyList{{kStatus, false}, {kDesc, true}}));
    click(middleOf(kDesc));
    EXPECT_EQ(header->sortKeys(), (SortKeyList{{kDesc, false}}));
    EXPECT_EQ(roms(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(TableToolsTest, ClicksThatDoNotSort) {
    startWith(kGames);
    const auto before = roms();
    // Within 4 pixels of a border.
    const int left = header->sectionViewportPosition(kRom);
    click({left + 2, header->height() / 2});
    click({left + header->sectionSize(kRom) - 2, header->height() / 2});
    // Released outside the header.
    mouse(QEvent::MouseButtonPress, middleOf(kRom));
    mouse(QEvent::MouseButtonRelease, {middleOf(kRom).x(), header->height() + 20});
    EXPECT_EQ(roms(), before);
    EXPECT_TRUE(header->sortKeys().empty());
}

TEST_F(TableToolsTest, OneDataRowDoesNotSort) {
    startWith({{"0", "only", "Only", "1"}});
    click(middleOf(kRom));
    EXPECT_TRUE(header->sortKeys().empty());
}

TEST_F(TableToolsTest, StatusNeitherMovesNorResizesOthersDo) {
    startWith(kGames);
    EXPECT_FALSE(header->GridColumnMove(kStatus));
    EXPECT_FALSE(header->GridColumnSize(kStatus));
    EXPECT_TRUE(header->GridColumnMove(kRom));
    // Dragging the Status header does nothing and sorts nothing.
    drag(middleOf(kStatus), middleOf(kDesc));
    EXPECT_EQ(header->visualIndex(kStatus), 0);
    // Dragging its right border does not resize it.
    const int border = header->sectionViewportPosition(kStatus) + header->sectionSize(kStatus) - 1;
    drag({border, 5}, {border + 60, 5});
    EXPECT_EQ(header->sectionSize(kStatus), 18);
    // Another column may go in front of Status; a drag is no click, so nothing sorts.
    drag(middleOf(kDesc), {2, header->height() / 2});
    EXPECT_EQ(header->visualIndex(kDesc), 0);
    EXPECT_EQ(header->visualIndex(kStatus), 1);
    EXPECT_TRUE(header->sortKeys().empty());
}

TEST_F(TableToolsTest, LastShownColumnStretches) {
    startWith(kGames);
    const auto shown = tableTools(form)->shownColumnsInDisplayOrder();
    ASSERT_EQ(shown.size(), 14u);
    auto total = [&] {
        int sum = 0;
        for (int c : shown)
            sum += header->sectionSize(c);
        return sum;
    };
    // The loaded layout is wider than the grid: the last column has the default width.
    ASSERT_GT(total() - header->sectionSize(shown.back()), form->Grid->viewport()->width());
    EXPECT_EQ(header->sectionSize(shown.back()), 64);
    // Narrow columns leave room, which the last one takes, less one pixel.
    for (size_t i = 1; i + 1 < shown.size(); ++i)
        header->resizeSection(shown[i], 20);
    EXPECT_EQ(total(), form->Grid->viewport()->width() - 1);
    // A wider table, a moved column: still filled.
    form->Splitter1->setSizes({700, 300});
    QApplication::processEvents();
    EXPECT_GT(form->Grid->viewport()->width(), 600);
    EXPECT_EQ(total(), form->Grid->viewport()->width() - 1);
    header->moveSection(header->visualIndex(shown.back()), 3);
    EXPECT_EQ(total(), form->Grid->viewport()->width() - 1);
    // When the others are wider than the table, the last gets the default width.
    header->resizeSection(kDesc, 3000);
    EXPECT_EQ(header->sectionSize(tableTools(form)->shownColumnsInDisplayOrder().back()), 64);
}

TEST_F(TableToolsTest, ColumnSizesSavedByPositionAndLoadedAtStart) {
    startWith(kGames);
    EXPECT_TRUE(form->SaveColumnSizes1->isEnabled());
    header->resizeSection(kRom, 77);
    header->moveSection(header->visualIndex(kDesc), 1); // Description now at position 1, ROM at 2
    form->SaveColumnSizes1Click();
    IniFile ini(ctx.columnSizesPath());
    EXPECT_EQ(ini.readInteger("COLUMNSIZES", "Col0", -1), 18);
    EXPECT_EQ(ini.readInteger("COLUMNSIZES", "Col1", -1), header->sectionSize(kDesc));
    EXPECT_EQ(ini.readInteger("COLUMNSIZES", "Col2", -1), 77);
    EXPECT_EQ(ini.readInteger("COLUMNSIZES", "Col13", -1), header->sectionSize(ColumnIndex("Rom Of")));
    EXPECT_EQ(ini.read("COLUMNSIZES", "Col14"), std::nullopt);

    // The next start gives each saved width to whatever stands at that position: columns are
    // back in design order, so ROM (position 1) gets Description's width, Description 77.
    const int descWidth = header->sectionSize(kDesc);
    IniFile edit(ctx.columnSizesPath());
    edit.write("COLUMNSIZES", "Col5", "");
    edit.save();
    AppWindows next = createAppWindows(ctx);
    runHandler([&] { next.Form1->FormShow(); });
    EXPECT_EQ(next.Form1->table().columnWidth(kRom), descWidth);
    EXPECT_EQ(next.Form1->table().columnWidth(kDesc), 77);
    EXPECT_EQ(next.Form1->table().columnWidth(5), 64); // no number: the default
    EXPECT_EQ(next.Form1->table().columnWidth(kStatus), 18);
    delete next.Form1;
}

TEST_F(TableToolsTest, ExportFollowsSortMovesAndTheChosenType) {
    startWith(kGames);
    click(middleOf(kRom));
    header->moveSection(header->visualIndex(kPlayed), 0);
    const std::string base = dir.folder() + "games.html";
    Dialogs::queueSaveFileName(QString::fromStdString(base), QStringLiteral("ascii text (*.txt)"));
    form->ExportGamelist1->trigger();
    EXPECT_TRUE(shownTexts().contains(QStringLiteral("Extract Game Data")));
    const std::string text = readFile(base + ".txt");
    ASSERT_FALSE(text.empty());
    // Played first, then Status, ROM, Description ...; rows sorted by ROM.
    EXPECT_EQ(text.substr(0, text.find("\r\n")).substr(0, 21), "Played Status ROM    ");
    EXPECT_NE(text.find("\r\n              apple  "), std::string::npos);
    EXPECT_LT(text.find("apple"), text.find("pacman"));
    EXPECT_EQ(text.find("bio of"), std::string::npos);

    Dialogs::queueSaveFileName(QString::fromStdString(base), QStringLiteral("html (*.html)"));
    form->ExportGamelist1->trigger();
    const std::string html = readFile(base + ".html");
    const std::string odd = form->Grid->palette().color(QPalette::AlternateBase).name().mid(1).toUpper().toStdString();
    EXPECT_NE(html.find("<td nowrap bgcolor=\"#" + odd + "\"><font color=\"#"), std::string::npos);
    EXPECT_LT(html.find(">apple<"), html.find(">pacman<"));

    Dialogs::queueSaveFileName(QString::fromStdString(base), QStringLiteral("xls (*.xls)"));
    form->ExportGamelist1->trigger();
    EXPECT_EQ(readFile(base + ".xls").substr(0, 4), std::string("\xD0\xCF\x11\xE0", 4));
    EXPECT_EQ(form->cursorKind(), CursorKind::Normal);

    // Cancelled: nothing happens.
    form->ExportGamelist1->trigger();
}

TEST_F(TableToolsTest, ExportToAMissingFolderShowsTheError) {
    startWith(kGames);
    const std::string base = dir.folder() + "missing/games";
    Dialogs::queueSaveFileName(QString::fromStdString(base), QStringLiteral("html (*.html)"));
    run([&] { form->ExportGamelist1Click(); });
    EXPECT_TRUE(shownTexts().contains(QString::fromStdString("Cannot Create file " + base + ".html")));
}
