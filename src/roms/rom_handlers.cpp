// The ROM status commands of the main window: availability check, full verification, statistics.
#include "app/main_window.h"
#include "roms/rom_availability.h"
#include "roms/statistics.h"
#include "roms/verification.h"
#include "roms/verify_window.h"
#include "table/game_table_model.h"

#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>

namespace {

// The verification's progress shown in the program: its own window, the main window disabled.
class VerifyWindowView : public zarn::VerifyView {
public:
    VerifyWindowView(TForm1& form, TVerForm& window) : form_(form), window_(window) {}

    void begin() override {
        window_.show();
        form_.setEnabled(false);
        window_.ProgressBar->setVisible(true);
    }
    void setStage(int stage) override { window_.setStage(stage); }
    void setProgressMaximum(int maximum) override { window_.ProgressBar->setMaximum(maximum); }
    void setProgress(int position) override { window_.setProgress(position); }
    void UpdateVerifyProgress(const std::string& capturePath) override {
        window_.UpdateVerifyProgress(capturePath);
    }
    void suspendTableRepaint() override { form_.Grid->setUpdatesEnabled(false); }
    void resumeTableRepaint() override { form_.Grid->setUpdatesEnabled(true); }
    void end() override {
        window_.hide();
        form_.setEnabled(true);
    }

private:
    TForm1& form_;
    TVerForm& window_;
};

// After a ROM command the grid shows the new statuses and sizes, and the user keeps their place.
class TableRefresh {
public:
    explicit TableRefresh(TForm1& form) : form_(form), row_(form.currentRow()) {}
    ~TableRefresh() {
        form_.model().refreshAll();
        form_.syncColumnsToView();
        form_.setCurrentRow(row_);
    }

private:
    TForm1& form_;
    int row_;
};

} // namespace

void TForm1::Checkexistance1Click() {
    if (!askYesNo("This will overwrite any prior ROM validation results. Check ROM availability (0-2 seconds) ?"))
        return;
    setCursor(zarn::CursorKind::Busy);
    zarn::RomNameSet romFileNames;
    struct NormalCursor {
        TForm1& form;
        ~NormalCursor() { form.setCursor(zarn::CursorKind::Normal); }
    } normalCursor{*this};
    TableRefresh refresh(*this);
    zarn::CheckRomAvailability(table(), paths().executable, romFileNames, context(), *this);
}

void TForm1::Verify1Click() {
    if (!askYesNo("Check validity of all ROMs ? (10-1000 seconds depending on rom count and disk/cpu speed)"))
        return;
    zarn::RomNameSet romFileNames;
    VerifyWindowView view(*this, *VerForm);
    TableRefresh refresh(*this);
    zarn::VerifyRoms(table(), paths().executable, romFileNames, context(), *this, view);
}

void TForm1::StatsBtnClick() {
    const auto lines = zarn::StatisticsLines(zarn::LoadStatistics(context()), table().rowCount());
    BioBox->clear();
    for (const std::string& line : lines)
        BioBox->appendPlainText(QString::fromStdString(line));
}

void TForm1::DisplayGameStatistics1Click() { StatsBtnClick(); }
