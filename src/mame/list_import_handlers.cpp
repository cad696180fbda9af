#include "mame/list_import_handlers.h"

#include "app/main_window.h"
#include "app/paths.h"
#include "mame/extract_window.h"
#include "mame/list_import.h"
#include "mame/run_captured.h"
#include "table/game_table_model.h"

#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QTableView>
#include <QToolBar>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace {

// Disables what takes the main window's input (menus, tool bar, table) rather than the window
// itself, because disabling a window also disables the windows it owns, and the console and the
// progress window must stay usable meanwhile.
void setMainWindowEnabled(TForm1& form, bool enabled) {
    form.menuBar()->setEnabled(enabled);
    form.ToolBar1->setEnabled(enabled);
    form.centralWidget()->setEnabled(enabled);
}

// Undoes the progress window and the disabled main window on every way out, errors included.
class ImportScreen {
public:
    explicit ImportScreen(TForm1& form) : form_(form) {
        form_.ExtractForm->showCentred();
        setMainWindowEnabled(form_, false);
    }
    ~ImportScreen() { close(); }
    void close() {
        if (closed_)
            return;
        closed_ = true;
        form_.ExtractForm->hide();
        setMainWindowEnabled(form_, true);
    }

private:
    TForm1& form_;
    bool closed_ = false;
};

} // namespace

void TForm1::Readgames1Click() { readGameList(*this, zarn::kListLimitSeconds); }

void readGameList(TForm1& form, int limitSeconds) {
    using namespace zarn;
    if (!form.askYesNo("Clear all table data and refresh the list of the emulated games from the mame "
                       "executalbe (5-15 seconds) ?"))
        return;
    const std::string executable = form.paths().executable;
    if (entryKind(executable) != EntryKind::File) {
        form.setStatus(0, "Please select the mame executable (Settings Menu)");
        return;
    }

    TExtractForm& window = *form.ExtractForm;
    form.TableReady = false;
    ImportScreen screen(form);
    window.setStepBold(window.ExLbl);
    window.tmpLbl->setText(QString::fromStdString(form.context().tempDir + kGameListCapture));
    window.repaint();

    CapturedRun run;
    run.executable = executable;
    run.arguments = kListArguments;
    run.captureFileName = kGameListCapture;
    run.consoleTitle = "MAME";
    run.limitSeconds = limitSeconds;
    const std::string capture = CapturePath(run, form.context());
    const bool startable = LooksStartable(executable);
    const RunOutcome outcome = RunCaptured(run, form.context(), form);
    // Otherwise the empty capture below would be all the user learns.
    if (!startable)
        form.appendConsoleLine("MAME could not be started: " + executable);
    if (outcome == RunOutcome::TimedOut) {
        // The capture stays for a look at what MAME printed before it hung.
        form.setStatus(0, "55 second timeout occured while executing \"" + executable + " -listxml");
        form.appendConsoleLine("55 second timeout occured");
        form.appendConsoleLine(std::string(26, '-'));
        return;
    }

    std::error_code sizeError;
    if (entryKind(capture) != EntryKind::File) {
        form.showMessage(capture + " doesn't exist - operation failed - check console.");
        return;
    }
    if (std::filesystem::file_size(capture, sizeError) == 0 && !sizeError) {
        form.showMessage(capture + " is empty - operation failed - check console.");
        std::remove(capture.c_str());
        return;
    }

    form.appendConsoleLine("Parsing Game Info");
    window.setStepBold(window.ParLbl);
    window.ProgressBar->setMaximum(5000);
    window.ProgressBar->show();
    window.repaint();

    CaptureReader reader;
    int error = 0;
    if (!reader.open(capture, &error)) {
        form.showMessage(systemErrorText(error));
        return;
    }

    GameTableModel& model = form.model();
    model.bulkChange([&] { form.table().clearGameRows(); });
    form.Grid->repaint();
    QProgressBar* bar = window.ProgressBar;
    // The bar stays full once the count passes its maximum.
    GameListParser parser(form.table(), [bar](int games) { bar->setValue(std::min(games, bar->maximum())); });
    bar->setValue(0);
    model.bulkChange([&] {
        std::string_view line;
        while (reader.next(line))
            parser.parseLine(line);
    });
    form.ApplyColumnLayout();
    reader.close();
    std::remove(capture.c_str());

    form.TableReady = true;
    screen.close();
    form.setStatus(0, "");
    form.SaveTableData();
    form.appendConsoleLine("Parsing Completed");
    form.appendConsoleLine(std::string(17, '-'));
    // Not in the file just written; a later save writes it as a row without cells.
    model.bulkChange([&] { form.table().appendRow(); });
}
