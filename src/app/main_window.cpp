#include "app/main_window.h"

#include "app/dialogs.h"
#include "app/icons.h"
#include "app/paths.h"
#include "console/console_window.h"
#include "emulator/options_dialog.h"
#include "media/about_window.h"
#include "media/help_window.h"
#include "media/legend_window.h"
#include "media/picture_view.h"
#include "settings/paths_dialog.h"
#include "table/cell_text.h"
#include "table/column_layout.h"
#include "table/game_table_model.h"
#include "table/table_file.h"
#include "tools/game_header_view.h"
#include "tools/table_tools.h"

#include <QApplication>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QString qs(const std::string& s) { return QString::fromStdString(s); }
} // namespace

TForm1::TForm1(const zarn::AppContext& ctx) : ctx_(ctx) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Z.A.R.N. - Quelt M.A.M.E. Front End"));
    setMinimumSize(800, 500);
    resize(807, 500);

    model_ = new GameTableModel(table_, this);
    model_->setStatusIcons(statusIcons());

    buildMenus();
    buildToolBar();
    buildCentre();
    buildStatusBar();

    GridTimer = new QTimer(this);
    GridTimer->setObjectName(QStringLiteral("GridTimer"));
    GridTimer->setInterval(50);
    GridTimer->setSingleShot(true);
    connect(GridTimer, &QTimer::timeout, this, &TForm1::GridTimerTimer);
    GridTimer->start();

    proctimer = new QTimer(this);
    proctimer->setObjectName(QStringLiteral("proctimer"));
    proctimer->setInterval(1000);
    connect(proctimer, &QTimer::timeout, this, &TForm1::proctimerTimer);

    // The window sees every key before the focused control.
    qApp->installEventFilter(this);
    installTableTools(this);
    syncColumnsToView();
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
    // Hiding asks the grid for its header texts; do it while the table still exists.
    hide();
}

void TForm1::attachWindows(TSettingsFrm* settings, TAboutFrm* about, TExtractForm* extract,
                           TConsoleFrm* console, TMAMEOpts* options, TVerForm* verify,
                           TLegendFrm* legend, THelpFrm* help) {
    SettingsFrm = settings;
    AboutFrm = about;
    ExtractForm = extract;
    ConsoleFrm = console;
    MAMEOpts = options;
    VerForm = verify;
    LegendFrm = legend;
    HelpFrm = help;
    connect(ConsoleFrm, &TConsoleFrm::shown, this, [this] { ShowConsole->setChecked(true); });
    connect(ConsoleFrm, &TConsoleFrm::hidden, this, [this] { ShowConsole->setChecked(false); });
    connect(LegendFrm, &TLegendFrm::openChanged, LegendBtn, &QAction::setChecked);
}

void TForm1::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& caption, void (TForm1::*handler)()) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    DefineSettings1 = add(settings, "DefineSettings1", QStringLiteral("&Edit ZARN Paths"), &TForm1::DefineSettings1Click);
    settings->addSeparator();
    EditOptions1 = add(settings, "EditOptions1", QStringLiteral("&Edit MAME Options"), &TForm1::EditOptions1Click);
    Createmameini1 = add(settings, "Createmameini1", QStringLiteral("&Create mame.ini"), &TForm1::Createmameini1Click);
    Editmameini1 = add(settings, "Editmameini1", QStringLiteral("Edit &mame.ini"), &TForm1::Editmameini1Click);

    QMenu* data = menuBar()->addMenu(QStringLiteral("&Game Data"));
    Readgames1 = add(data, "Readgames1", QStringLiteral("&Read GameInfo from mame"), &TForm1::Readgames1Click);
    Readhistorydat1 = add(data, "Readhistorydat1", QStringLiteral("Read &history.dat"), &TForm1::Readhistorydat1Click);
    Readnplayersini1 = add(data, "Readnplayersini1", QStringLiteral("Read &nplayers.ini"), &TForm1::Readnplayersini1Click);
    data->addSeparator();
    SaveTableDataNow1 = add(data, "SaveTableDataNow1", QStringLiteral("&Save Table Data Now"), &TForm1::SaveTableDataNow1Click);
    ExportGamelist1 = add(data, "ExportGamelist1", QStringLiteral("&Export Table Data to File"), &TForm1::ExportGamelist1Click);

    QMenu* roms = menuBar()->addMenu(QStringLiteral("ROMs"));
    Checkexistance1 = add(roms, "Checkexistance1", QStringLiteral("ROM Availability "), &TForm1::Checkexistance1Click);
    Verify1 = add(roms, "Verify1", QStringLiteral("ROM Availability && Verification"), &TForm1::Verify1Click);

    QMenu* other = menuBar()->addMenu(QStringLiteral("&Other"));
    ShowConsole = add(other, "ShowConsole", QStringLiteral("Show MAME &Output"), &TForm1::ShowConsoleClick);
    ShowConsole->setIcon(toolIcon(0));
    // Checked exactly while the console is shown; the console's show and hide set it.
    ShowConsole->setCheckable(true);
    disconnect(ShowConsole, &QAction::triggered, this, nullptr);
    connect(ShowConsole, &QAction::triggered, this, [this] {
        // The check mark follows the window, not the click.
        ShowConsole->setChecked(!ShowConsole->isChecked());
        ShowConsoleClick();
    });
    DisplayGameStatistics1 = add(other, "DisplayGameStatistics1", QStringLiteral("Display Game &Statistics"),
                                 &TForm1::DisplayGameStatistics1Click);
    DisplayGameStatistics1->setIcon(toolIcon(3));
    SaveColumnSizes1 = add(other, "SaveColumnSizes1", QStringLiteral("Save C&olumn Sizes"), &TForm1::SaveColumnSizes1Click);
    other->addSeparator();
    autosaveplayedfield1 = add(other, "autosaveplayedfield1", QStringLiteral("Autosave \"played\" field"),
                               &TForm1::autosaveplayedfield1Click);
    autosaveplayedfield1->setCheckable(true);
    disconnect(autosaveplayedfield1, &QAction::triggered, this, nullptr);
    connect(autosaveplayedfield1, &QAction::triggered, this, [this] {
        // The handler decides the check state.
        autosaveplayedfield1->setChecked(!autosaveplayedfield1->isChecked());
        autosaveplayedfield1Click();
    });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    GettingStarted1 = add(help, "GettingStarted1", QStringLiteral("&Getting Started"), &TForm1::GettingStarted1Click);
    About1 = add(help, "About1", QStringLiteral("&About"), &TForm1::About1Click);
}

void TForm1::buildToolBar() {
    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    auto button = [this](const char* name, int image, const QString& hint, void (TForm1::*handler)()) {
        QAction* action = ToolBar1->addAction(toolIcon(image), hint);
        action->setObjectName(QString::fromLatin1(name));
        action->setToolTip(hint);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    auto separator = [this](int width) {
        auto* gap = new QWidget(ToolBar1);
        gap->setFixedWidth(width);
        ToolBar1->addWidget(gap);
    };
    PlayBtn = button("PlayBtn", 13, QStringLiteral("Play Game"), &TForm1::PlayBtnClick);
    separator(15);
    FindBox = new QLineEdit(ToolBar1);
    FindBox->setObjectName(QStringLiteral("FindBox"));
    FindBox->setFixedWidth(145);
    FindBox->setToolTip(QStringLiteral("Search for a Game"));
    FindBox->installEventFilter(this);
    ToolBar1->addWidget(FindBox);
    FindBtn = button("FindBtn", 9, QStringLiteral("Search from the Beginning"), &TForm1::FindBtnClick);
    FindNextBtn = button("FindNextBtn", 10, QStringLiteral("Find Next (F3)"), &TForm1::FindNextBtnClick);
    FindPrevBtn = button("FindPrevBtn", 11, QStringLiteral("Find Prev"), &TForm1::FindPrevBtnClick);
    separator(15);
    KillBtn = button("KillBtn", 14, QStringLiteral("Terminate running MAME and revert to default resolution (Ctrl+K)"),
                     &TForm1::KillBtnClick);
    KillBtn->setEnabled(false);
    separator(15);
    ToolBar1->addAction(ShowConsole); // ConsoleTbtn: pressed while the console is shown
    if (auto* consoleButton = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(ShowConsole)))
        consoleButton->setObjectName(QStringLiteral("ConsoleTbtn"));
    separator(15);
    LegendBtn = button("LegendBtn", 15, QStringLiteral("View Icon Legend"), &TForm1::LegendBtnClick);
    LegendBtn->setCheckable(true);
    separator(8);
    StatsBtn = button("StatsBtn", 3, QStringLiteral("Display Game &Statistics"), &TForm1::StatsBtnClick);
    for (QAction* action : ToolBar1->actions()) {
        if (auto* b = qobject_cast<QToolButton*>(ToolBar1->widgetForAction(action))) {
            b->setAutoRaise(true);
            b->setFixedWidth(28);
        }
    }
}

void TForm1::buildCentre() {
    Grid = new QTableView;
    Grid->setObjectName(QStringLiteral("Grid"));
    Grid->setHorizontalHeader(new GameHeaderView(Grid));
    Grid->setModel(model_);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->setWordWrap(false);
    Grid->setAlternatingRowColors(true);
    Grid->setMinimumWidth(100);
    Grid->verticalHeader()->hide();
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(16);
    Grid->verticalHeader()->setMinimumSectionSize(16);
    Grid->horizontalHeader()->setSectionsMovable(true);
    Grid->horizontalHeader()->setHighlightSections(false);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(8);
    Grid->setFont(font);
    Grid->setIconSize(QSize(16, 16));
    QPalette pal = Grid->palette();
    // Row 1 is drawn in the tooltip colour, row 2 in the window colour, and so on.
    pal.setColor(QPalette::Base, QApplication::palette().color(QPalette::ToolTipBase));
    pal.setColor(QPalette::AlternateBase, QApplication::palette().color(QPalette::Window));
    Grid->setPalette(pal);
    Grid->setStyleSheet(QStringLiteral("QTableView { gridline-color: white; }"));
    Grid->installEventFilter(this);
    Grid->viewport()->installEventFilter(this);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid())
                    GridSelectCell(current.column(), current.row() + 1);
            });
    connect(Grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) {
                if (!syncingColumns_ && logical < table_.columnCount() && !table_.isColumnHidden(logical) && size > 0)
                    table_.setColumnWidth(logical, size);
            });

    auto* right = new QWidget;
    right->setMinimumSize(250, 50);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    TabControl1 = new QTabBar(right);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    for (const char* caption : {"Snapshot", "Artwork", "Cabinet", "Flyer"})
        TabControl1->addTab(QString::fromLatin1(caption));
    TabControl1->setDrawBase(false);
    TabControl1->setExpanding(false);
    connect(TabControl1, &QTabBar::currentChanged, this, [this] { TabControl1Change(); });
    rightLayout->addWidget(TabControl1);

    Splitter2 = new QSplitter(Qt::Vertical, right);
    Splitter2->setHandleWidth(8);
    Splitter2->setChildrenCollapsible(false);
    ImageEn1 = new PictureView;
    ImageEn1->setObjectName(QStringLiteral("ImageEn1"));
    ImgLbl = new QLabel(ImageEn1);
    ImgLbl->setObjectName(QStringLiteral("ImgLbl"));
    QFont bold = ImgLbl->font();
    bold.setBold(true);
    ImgLbl->setFont(bold);
    ImgLbl->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    auto* shadow = new QGraphicsDropShadowEffect(ImgLbl);
    shadow->setColor(QColor(0, 255, 0));
    shadow->setOffset(1, 1);
    shadow->setBlurRadius(0);
    ImgLbl->setGraphicsEffect(shadow);
    ImgLbl->setText(QStringLiteral("      "));
    ImgLbl->adjustSize();
    ImageEn1->setCornerWidget(ImgLbl);
    BioBox = new QPlainTextEdit;
    BioBox->setObjectName(QStringLiteral("BioBox"));
    BioBox->setReadOnly(true);
    BioBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BioBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette bioPal = BioBox->palette();
    bioPal.setColor(QPalette::Base, QColor(192, 220, 192));
    BioBox->setPalette(bioPal);
    Splitter2->addWidget(ImageEn1);
    Splitter2->addWidget(BioBox);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setSizes({300, 116});
    rightLayout->addWidget(Splitter2, 1);

    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setHandleWidth(5);
    Splitter1->setOpaqueResize(true);
    Splitter1->setChildrenCollapsible(false);
    Splitter1->addWidget(Grid);
    Splitter1->addWidget(right);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({450, 352});
    setCentralWidget(Splitter1);
}

void TForm1::buildStatusBar() {
    const int widths[3] = {400, 230, 100};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel;
        statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusPanels_[i]->setMinimumWidth(widths[i]);
        statusPanels_[i]->setMaximumWidth(i == 2 ? QWIDGETSIZE_MAX : widths[i]);
        statusBar()->addWidget(statusPanels_[i], i == 2 ? 1 : 0);
    }
}

zarn::PathSettings TForm1::paths() const { return SettingsFrm->settings(); }

// ---- Ui

void TForm1::setStatus(int panel, const std::string& text) {
    if (panel >= 0 && panel < 3)
        statusPanels_[panel]->setText(cellToDisplay(text));
}

QString TForm1::statusText(int panel) const {
    return panel >= 0 && panel < 3 ? statusPanels_[panel]->text() : QString();
}

void TForm1::appendConsoleLine(const std::string& line) { ConsoleFrm->appendLine(line); }

void TForm1::appendConsoleLines(const std::vector<std::string>& lines) { ConsoleFrm->appendLines(lines); }

bool TForm1::askYesNo(const std::string& text) { return Dialogs::askYesNo(this, qs(text)); }

void TForm1::showMessage(const std::string& text) { Dialogs::showMessage(this, qs(text)); }

void TForm1::setCursor(zarn::CursorKind kind) {
    cursor_ = kind;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    if (kind == zarn::CursorKind::Busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (kind == zarn::CursorKind::AppStarting)
        QApplication::setOverrideCursor(Qt::BusyCursor);
}

void TForm1::processEvents() { QCoreApplication::processEvents(); }

// ---- Table

void TForm1::syncColumnsToView() {
    syncingColumns_ = true;
    QHeaderView* header = Grid->horizontalHeader();
    for (int c = 0; c < table_.columnCount(); ++c) {
        header->resizeSection(c, table_.columnWidth(c));
        header->setSectionHidden(c, table_.isColumnHidden(c));
    }
    syncingColumns_ = false;
}

zarn::TextWidthFn TForm1::gridTextWidth() const {
    // The grid draws a cell's text inside the style's margins; count them so that "widest text"
    // means a text shown whole.
    const int margins = 2 * (Grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Grid) + 1);
    const QFontMetrics metrics(Grid->font());
    return [metrics, margins](std::string_view text) {
        return metrics.horizontalAdvance(cellToDisplay(text)) + margins;
    };
}

void TForm1::ApplyColumnLayout() {
    zarn::ApplyColumnLayout(table_, gridTextWidth(), QFontMetrics(Grid->font()).maxWidth());
    syncColumnsToView();
}

void TForm1::ShowStatusIcons() {
    zarn::ShowStatusIcons(table_);
    model_->refreshAll();
}

void TForm1::SetBioInfoHidden(bool hide) {
    table_.SetBioInfoHidden(hide);
    syncColumnsToView();
}

void TForm1::SaveTableData() {
    zarn::SaveTableData(table_, ctx_, *this);
    syncColumnsToView();
}

void TForm1::LoadTableData(const std::string& path) {
    model_->bulkChange([&] { zarn::LoadTableData(path, table_, [] { QCoreApplication::processEvents(); }); });
    syncColumnsToView();
}

int TForm1::currentRow() const {
    const QModelIndex current = Grid->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TForm1::setCurrentRow(int tableRow) {
    if (tableRow < 1 || tableRow >= table_.rowCount())
        return;
    const int column = Grid->currentIndex().isValid() ? Grid->currentIndex().column() : 1;
    Grid->setCurrentIndex(model_->index(tableRow - 1, column));
}

// ---- Start-up

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Start-up runs once, after the window is on screen, so its questions have a parent to sit on.
    if (!startedUp_) {
        startedUp_ = true;
        QTimer::singleShot(0, this, [this] { FormShow(); });
    }
}

void TForm1::FormShow() {
    startedUp_ = true;
    const std::string dataPath = ctx_.tableDataPath();
    SettingsFrm->setSettings(zarn::LoadSettings(ctx_));
    MAMEOpts->LoadOptions();

    zarn::SizeColumnsToText(table_, gridTextWidth(), QFontMetrics(Grid->font()).maxWidth());

    const zarn::PathSettings settings = paths();
    if (settings.autoExtract && !settings.executable.empty() &&
        zarn::entryKind(settings.executable) == zarn::EntryKind::File) {
        Readgames1Click();
    } else if (zarn::entryKind(dataPath) != zarn::EntryKind::Missing) {
        LoadTableData(dataPath);
        setStatus(0, "Gamelist loaded");
        ApplyColumnLayout();
        ShowStatusIcons();
        TableReady = true;
    } else {
        setStatus(0, "Please refresh the gamelist (Game Data menu)");
        ApplyColumnLayout();
    }

    LoadColumnWidths();
    table_.setColumnWidth(zarn::ColumnIndex("Status"), 18);
    SetBioInfoHidden(true);
}

// ---- Keys and grid events

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            if (key->key() == Qt::Key_F3 ||
                (key->key() == Qt::Key_K && (key->modifiers() & Qt::ControlModifier))) {
                FormKeyDown(key->key(), key->modifiers());
                return true;
            }
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && watched == Grid) {
                GridKeyPress(QChar(13));
                return true;
            }
            if (enter && watched == FindBox) {
                FindBoxKeyPress(QChar(13));
                return true;
            }
        }
    }
    if (Grid && watched == Grid->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        GridDblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_F3) {
        if (FindNextBtn->isEnabled())
            FindNextBtnClick();
        return;
    }
    if (key == Qt::Key_K && (modifiers & Qt::ControlModifier)) {
        KillBtnClick();
        resetDisplayMode();
    }
}

void TForm1::resetDisplayMode() {
    // Linux desktops have no display mode for a program to restore: MAME's own video backend puts
    // the screen back when it ends, so there is nothing to do here.
}

void TForm1::GridKeyPress(QChar key) {
    if (key == QChar(13) && PlayBtn->isEnabled())
        PlayBtnClick();
}

void TForm1::GridDblClick() {
    if (PlayBtn->isEnabled())
        PlayBtnClick();
}

void TForm1::FindBoxKeyPress(QChar key) {
    if (key == QChar(13) && FindBtn->isEnabled())
        FindBtnClick();
}

// ---- Shell commands

void TForm1::DefineSettings1Click() { SettingsFrm->exec(); }

void TForm1::SaveTableDataNow1Click() { SaveTableData(); }

void TForm1::ShowConsoleClick() {
    if (ConsoleFrm->isVisible())
        ConsoleFrm->hide();
    else
        ConsoleFrm->show();
}
