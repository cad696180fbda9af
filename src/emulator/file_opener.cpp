#include "emulator/file_opener.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>

namespace FileOpener {

namespace {
struct State {
    bool recording = false;
    std::vector<std::string> paths;
};
State& state() {
    static State s;
    return s;
}
} // namespace

bool open(const std::string& path) {
    if (state().recording) {
        state().paths.push_back(path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
}

void setRecording(bool recording) { state().recording = recording; }

const std::vector<std::string>& openedPaths() { return state().paths; }

void reset() { state() = State(); }

} // namespace FileOpener
