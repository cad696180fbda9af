#include "emulator/mame_ini.h"

#include "app/paths.h"
#include "app/ui.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zarn {

namespace {

// Puts the normal cursor back however the operation ends.
class BusyCursor {
public:
    explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.setCursor(CursorKind::Busy); }
    ~BusyCursor() { ui_.setCursor(CursorKind::Normal); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    Ui& ui_;
};

// A relative path is taken against the current directory as it is now, so that it still names
// the same file after EnterMameFolder has moved the current directory into it.
std::string anchored(const std::string& path) {
    if (path.empty() || folderOf(path).empty())
        return path; // a bare name is looked up as the system looks up programs
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

} // namespace

std::string MameIniPath(std::string_view executable) { return replaceExtension(executable, ".ini"); }

void EnterMameFolder(std::string_view executable) {
    const std::string folder = folderOf(executable);
    if (folder.empty())
        return;
    std::error_code ec;
    std::filesystem::current_path(folder, ec); // a folder that cannot be entered changes nothing
}

CreateConfigOutcome CreateMameIni(const std::string& executable, Ui& ui, int waitMs) {
    const std::string program = anchored(executable);
    EnterMameFolder(executable);
    BusyCursor busy(ui);
    ui.appendConsoleLine(std::string(19, '-'));
    ui.appendConsoleLine("Calling \"" + executable + " -createconfig\"");

    // The program and its argument stay apart, so blanks in the path do no harm. Nothing is
    // redirected: MAME writes to our own streams.
    auto* process = new QProcess;
    process->setProgram(QFile::decodeName(QByteArray::fromStdString(program)));
    process->setArguments({QStringLiteral("-createconfig")});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setInputChannelMode(QProcess::ForwardedInputChannel);
    process->setWorkingDirectory(QDir::currentPath());

    QElapsedTimer clock;
    clock.start();
    process->start();
    if (!process->waitForStarted(std::max(waitMs, 1))) {
        delete process;
        return CreateConfigOutcome::NotStarted;
    }
    const int left = std::max(0, waitMs - static_cast<int>(clock.elapsed()));
    if (process->waitForFinished(left) || process->state() == QProcess::NotRunning) {
        delete process;
        return CreateConfigOutcome::Finished;
    }
    // Killing MAME now could leave a half-written mame.ini: let it finish on its own. Deleting the
    // process object would kill it, so it goes once MAME has ended.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return CreateConfigOutcome::StillRunning;
}

void EditMameIni(const std::string& executable, Ui& ui,
                 const std::function<void(const std::string& path)>& openFile) {
    std::string ini = MameIniPath(executable);
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(ini, ec);
    if (!ec)
        ini = absolute.string();
    EnterMameFolder(executable);
    BusyCursor busy(ui);
    // Whether the editor starts, and whether the file exists, is the editor's business.
    openFile(ini);
}

} // namespace zarn
