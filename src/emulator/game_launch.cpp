#include "emulator/game_launch.h"

#include "app/context.h"
#include "app/paths.h"
#include "app/ui.h"
#include "table/game_table.h"

#include <QProcess>
#include <QStringList>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/types.h>
#endif

namespace zarn {

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }

// Qt words a failed start as "<call>: <system text>"; the user gets the system's part.
std::string systemPartOf(const QString& qtError) {
    const qsizetype colon = qtError.lastIndexOf(QStringLiteral(": "));
    return (colon < 0 ? qtError : qtError.mid(colon + 2)).toStdString();
}

// Lines end at CR, LF or CR LF; a last line without an end still counts.
std::vector<std::string> splitLines(const std::string& data) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        lines.push_back(data.substr(start, i - start));
        if (data[i] == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines.push_back(data.substr(start));
    return lines;
}

} // namespace

// ---- GameMonitor

GameMonitor::~GameMonitor() {
    // A game still running keeps running after the program: its process object is left alone.
    if (EmulatorProcess && EmulatorProcess->state() == QProcess::NotRunning)
        delete EmulatorProcess;
}

bool GameMonitor::start(const std::string& commandLine, const std::string& logPath, std::string* error) {
    QStringList parts = QProcess::splitCommand(qs(commandLine));
    if (parts.isEmpty()) {
        *error = systemErrorText(ENOENT);
        return false;
    }
    const QString program = parts.takeFirst();
    // No parent: the game must outlive this object and the program (see the class comment).
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->setStandardOutputFile(qs(logPath), QIODevice::Append);
    process->start(program, parts);
    if (!process->waitForStarted(-1)) {
        *error = systemPartOf(process->errorString());
        delete process; // it never ran
        return false;
    }
    EmulatorProcess = process;
    return true;
}

bool GameMonitor::stillRunning(int waitMs) {
    if (!EmulatorProcess)
        return false;
    // waitForFinished is false both for "still running" and "already over": ask the state.
    EmulatorProcess->waitForFinished(waitMs);
    return EmulatorProcess->state() != QProcess::NotRunning;
}

bool GameMonitor::terminate(std::string* error) {
    if (!EmulatorProcess || EmulatorProcess->state() == QProcess::NotRunning)
        return true;
#ifdef _WIN32
    EmulatorProcess->kill();
    return true;
#else
    // Not yet reaped (the state would say so), so the id still names our child.
    if (::kill(static_cast<pid_t>(EmulatorProcess->processId()), SIGKILL) != 0) {
        *error = systemErrorText(errno);
        return false;
    }
    return true;
#endif
}

void GameMonitor::release() {
    if (!EmulatorProcess)
        return;
    if (EmulatorProcess->state() == QProcess::NotRunning)
        delete EmulatorProcess;
    EmulatorProcess = nullptr;
}

long long GameMonitor::processId() const { return EmulatorProcess ? EmulatorProcess->processId() : 0; }

// ---- Launch

std::string NextPlayedCount(std::string_view cell) {
    size_t i = 0;
    while (i < cell.size() && (cell[i] == ' ' || cell[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < cell.size() && (cell[i] == '+' || cell[i] == '-')) {
        negative = cell[i] == '-';
        ++i;
    }
    long long count = 0;
    for (; i < cell.size() && cell[i] >= '0' && cell[i] <= '9'; ++i) {
        const int digit = cell[i] - '0';
        // A count too large to hold stays at the largest one.
        count = count > (LLONG_MAX - digit) / 10 ? LLONG_MAX : count * 10 + digit;
    }
    if (negative)
        count = -count;
    if (count < LLONG_MAX)
        ++count;
    return std::to_string(count);
}

std::string GameCommandLine(const std::string& mamePath, const std::string& game,
                            const std::string& optionArgs) {
    return mamePath + " " + game + " -v " + optionArgs;
}

void ReportLastError(Ui& ui, const std::string& errorText, const std::string& mamePath) {
    ui.setStatus(0, errorText + "(" + mamePath + ")");
}

LaunchOutcome LaunchGame(GameTable& table, const LaunchRequest& request, GameMonitor& monitor,
                         const AppContext& ctx, Ui& ui) {
    const int romColumn = ColumnIndex("ROM");
    const int playedColumn = ColumnIndex("Played");
    if (request.row < 1 || request.row >= table.rowCount())
        return LaunchOutcome::Refused;
    const std::string game = table.cell(romColumn, request.row);

    if (monitor.active()) {
        ui.appendConsoleLine(kRefusalLine);
        return LaunchOutcome::Refused;
    }

    table.setCell(playedColumn, request.row, NextPlayedCount(table.cell(playedColumn, request.row)));
    if (request.autosave && request.saveTable)
        request.saveTable();

    // A fresh, empty log for this run.
    const std::string logPath = ctx.tempDir + kMameLogName;
    std::FILE* log = std::fopen(logPath.c_str(), "wb");
    if (!log) {
        ReportLastError(ui, systemErrorText(errno), logPath);
        return LaunchOutcome::Failed;
    }
    std::fclose(log);

    // MAME finds its roms and writes its files relative to its own folder.
    const std::string mameFolder = folderOf(request.mamePath);
    if (!mameFolder.empty()) {
        std::error_code ignored;
        std::filesystem::current_path(mameFolder, ignored);
    }

    ui.setCursor(CursorKind::Busy);
    const std::string optionArgs = request.optionArgs ? request.optionArgs() : std::string();
    const std::string commandLine = GameCommandLine(request.mamePath, game, optionArgs);
    ui.appendConsoleLine("Calling \"" + commandLine + "\"");

    std::string error;
    // Without a MAME path the game name would be taken for the program.
    const bool started = request.mamePath.empty()
                             ? (error = systemErrorText(ENOENT), false)
                             : monitor.start(commandLine, logPath, &error);
    if (!started) {
        ReportLastError(ui, error, request.mamePath);
        ui.setCursor(CursorKind::Normal);
        return LaunchOutcome::Failed;
    }
    // The busy cursor stays until the first tick.
    ui.setStatus(0, kStartingText);
    return LaunchOutcome::Started;
}

bool MonitorTick(GameMonitor& monitor, const AppContext& ctx, Ui& ui,
                 const std::function<void()>& stopWatching) {
    if (monitor.stillRunning(100)) {
        ui.setStatus(1, kRunningText);
        ui.setStatus(0, "");
        ui.setCursor(CursorKind::AppStarting);
        return true;
    }
    ui.setStatus(1, kNotRunningText);
    ui.setCursor(CursorKind::Normal);
    monitor.release();
    if (stopWatching)
        stopWatching();
    ReadMameLog(ctx, ui);
    return false;
}

void ReadMameLog(const AppContext& ctx, Ui& ui) {
    const std::string path = ctx.tempDir + kMameLogName;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        ui.showMessage(path + systemErrorText(errno));
        return;
    }
    std::string data;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        data.append(buffer, got);
    std::fclose(f);
    std::vector<std::string> lines = splitLines(data);
    lines.emplace_back(kLogEndLine);
    ui.appendConsoleLines(lines);
    std::remove(path.c_str());
}

void KillGame(GameMonitor& monitor, const std::string& mamePath, Ui& ui) {
    if (monitor.active()) {
        std::string error;
        if (!monitor.terminate(&error))
            ReportLastError(ui, error, mamePath);
    }
    ui.setStatus(0, "");
    ui.setCursor(CursorKind::Normal);
}

} // namespace zarn
