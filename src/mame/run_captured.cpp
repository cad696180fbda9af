#include "mame/run_captured.h"

#include "app/context.h"
#include "app/paths.h"
#include "app/ui.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace zarn {

std::string CapturePath(const CapturedRun& run, const AppContext& ctx) {
    return ctx.tempDir + run.captureFileName;
}

bool LooksStartable(const std::string& executable) {
#ifdef _WIN32
    (void)executable;
    return true;
#else
    return ::access(executable.c_str(), X_OK) == 0;
#endif
}

std::vector<std::string> SplitArguments(std::string_view text) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        const size_t start = i;
        while (i < text.size() && text[i] != ' ')
            ++i;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

RunOutcome RunCaptured(const CapturedRun& run, const AppContext& ctx, Ui& ui) {
    const std::string capture = CapturePath(run, ctx);
    // Create or empty the capture file now, so that what the caller finds afterwards is only
    // what this run wrote.
    if (std::FILE* f = std::fopen(capture.c_str(), "wb"))
        std::fclose(f);

    // Resolve the executable before the current directory moves, so a relative path still names
    // the file that was checked.
    const QString typed = QString::fromStdString(run.executable);
    const QFileInfo info(typed);
    const QString program = info.exists() ? info.absoluteFilePath() : typed;

    QProcess process;
    process.setProgram(program);
    QStringList arguments;
    for (const std::string& word : SplitArguments(run.arguments))
        arguments << QString::fromStdString(word);
    process.setArguments(arguments);
    process.setStandardOutputFile(QString::fromStdString(capture), QIODevice::Truncate);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);

    // MAME finds its own files relative to its folder; the program stays there afterwards.
    const std::string folder = folderOf(run.executable);
    if (!folder.empty())
        QDir::setCurrent(QString::fromStdString(folder));

    ui.setCursor(CursorKind::Busy);
    ui.appendConsoleLine("Calling " + run.executable + run.arguments);

    process.start();
    RunOutcome outcome = RunOutcome::Finished;
    const bool started = process.waitForStarted();
    if (started) {
        outcome = RunOutcome::TimedOut;
        for (int n = 0; n < run.limitSeconds; ++n) {
            if (process.waitForFinished(1000) || process.state() == QProcess::NotRunning) {
                outcome = RunOutcome::Finished;
                break;
            }
            if (run.perSecond)
                run.perSecond();
            ui.processEvents();
        }
    }
    ui.setCursor(CursorKind::Normal);

    // The caller goes on with what was captured; the user should know it may be cut short.
    if (started && outcome == RunOutcome::Finished && process.exitStatus() == QProcess::CrashExit)
        ui.appendConsoleLine(kCrashedLine);

    if (outcome == RunOutcome::TimedOut) {
        process.kill();
        process.waitForFinished(5000);
    }
    return outcome;
}

} // namespace zarn
