#pragma once

#include "app/context.h"
#include "app/ui.h"
#include "emulator/game_launch.h"
#include "settings/path_settings.h"
#include "table/column_layout.h"
#include "table/game_table.h"

#include <QMainWindow>

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSplitter;
class QTabBar;
class QTableView;
class QTimer;
class QToolBar;
class GameTableModel;
class PictureView;
class TSettingsFrm;
class TAboutFrm;
class TExtractForm;
class TConsoleFrm;
class TMAMEOpts;
class TVerForm;
class TLegendFrm;
class THelpFrm;

// The main window. It owns the game table, the status bar, the timers and TableReady, and is the
// Ui through which the logic reaches the user. Controls carry their designer names; handlers are
// thin and live beside the logic of their area (each area's *_handlers.cpp).
class TForm1 : public QMainWindow, public zarn::Ui {
    Q_OBJECT
public:
    explicit TForm1(const zarn::AppContext& ctx);
    ~TForm1() override;

    // The other eight windows, created after this one (see createAppWindows).
    void attachWindows(TSettingsFrm* settings, TAboutFrm* about, TExtractForm* extract,
                       TConsoleFrm* console, TMAMEOpts* options, TVerForm* verify,
                       TLegendFrm* legend, THelpFrm* help);

    const zarn::AppContext& context() const { return ctx_; }
    zarn::GameTable& table() { return table_; }
    GameTableModel& model() { return *model_; }
    // The live paths and picture types of the paths dialog.
    zarn::PathSettings paths() const;

    // Ui
    void setStatus(int panel, const std::string& text) override;
    void appendConsoleLine(const std::string& line) override;
    void appendConsoleLines(const std::vector<std::string>& lines) override;
    bool askYesNo(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void setCursor(zarn::CursorKind kind) override;
    void processEvents() override;

    QString statusText(int panel) const;
    zarn::CursorKind cursorKind() const { return cursor_; }

    // Table operations shared by the areas.
    void ApplyColumnLayout();
    void ShowStatusIcons();
    void SetBioInfoHidden(bool hide);
    void SaveTableData();
    void LoadTableData(const std::string& path);
    // Puts the table's widths and hidden flags on the grid's header.
    void syncColumnsToView();
    // The grid's current row as a table row (1 and up), or 0 when nothing is selected.
    int currentRow() const;
    void setCurrentRow(int tableRow);

    // Start-up and handlers (names as documented).
    void FormShow();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void DefineSettings1Click();
    void EditOptions1Click();
    void Createmameini1Click();
    void Editmameini1Click();
    void Readgames1Click();
    void Readhistorydat1Click();
    void Readnplayersini1Click();
    void SaveTableDataNow1Click();
    void ExportGamelist1Click();
    void Checkexistance1Click();
    void Verify1Click();
    void ShowConsoleClick();
    void DisplayGameStatistics1Click();
    void SaveColumnSizes1Click();
    void LoadColumnWidths();
    void autosaveplayedfield1Click();
    void GettingStarted1Click();
    void About1Click();
    void PlayBtnClick();
    void FindBtnClick();
    void FindNextBtnClick();
    void FindPrevBtnClick();
    void FindBoxKeyPress(QChar key);
    void KillBtnClick();
    void LegendBtnClick();
    void StatsBtnClick();
    void GridKeyPress(QChar key);
    void GridDblClick();
    void GridSelectCell(int column, int row);
    void GridTimerTimer();
    void proctimerTimer();
    // Starts the game of the current row (play button, Enter, double click).
    void LaunchGame();
    // The running game, watched by proctimer.
    zarn::GameMonitor& emulator() { return emulator_; }
    void TabControl1Change();
    // Looks up and shows the picture of a row in the current tab's folder; negative arguments
    // search the remembered row again.
    void showImage(int col, int row);

    bool TableReady = false;

    // Windows
    TSettingsFrm* SettingsFrm = nullptr;
    TAboutFrm* AboutFrm = nullptr;
    TExtractForm* ExtractForm = nullptr;
    TConsoleFrm* ConsoleFrm = nullptr;
    TMAMEOpts* MAMEOpts = nullptr;
    TVerForm* VerForm = nullptr;
    TLegendFrm* LegendFrm = nullptr;
    THelpFrm* HelpFrm = nullptr;

    // Controls
    QTableView* Grid = nullptr;
    QToolBar* ToolBar1;
    QAction* PlayBtn;
    QLineEdit* FindBox;
    QAction* FindBtn;
    QAction* FindNextBtn;
    QAction* FindPrevBtn;
    QAction* KillBtn;
    QAction* LegendBtn;
    QAction* StatsBtn;
    QTabBar* TabControl1;
    PictureView* ImageEn1;
    QLabel* ImgLbl;
    QPlainTextEdit* BioBox;
    QSplitter* Splitter1;
    QSplitter* Splitter2;
    QTimer* GridTimer;
    QTimer* proctimer;

    // Menu items
    QAction* DefineSettings1;
    QAction* EditOptions1;
    QAction* Createmameini1;
    QAction* Editmameini1;
    QAction* Readgames1;
    QAction* Readhistorydat1;
    QAction* Readnplayersini1;
    QAction* SaveTableDataNow1;
    QAction* ExportGamelist1;
    QAction* Checkexistance1;
    QAction* Verify1;
    QAction* ShowConsole; // its tool-bar button is ConsoleTbtn
    QAction* DisplayGameStatistics1;
    QAction* SaveColumnSizes1;
    QAction* autosaveplayedfield1;
    QAction* GettingStarted1;
    QAction* About1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildCentre();
    void buildStatusBar();
    zarn::TextWidthFn gridTextWidth() const;
    // Returns the display to its default mode after Ctrl+K.
    void resetDisplayMode();

    zarn::AppContext ctx_;
    zarn::GameTable table_;
    zarn::GameMonitor emulator_;
    GameTableModel* model_;
    std::array<QLabel*, 3> statusPanels_{};
    zarn::CursorKind cursor_ = zarn::CursorKind::Normal;
    bool startedUp_ = false;
    bool syncingColumns_ = false;
    // The row whose picture showImage looks for.
    int pictureRow_ = 0;
};
