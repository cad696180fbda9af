#include "app/context.h"

#include "app/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zarn {

std::string AppContext::settingsPath() const {
    return replaceExtension(programDir + programName, ".ini");
}

AppContext AppContext::fromApplication() {
    AppContext ctx;
    ctx.programDir = withTrailingSeparator(QCoreApplication::applicationDirPath().toStdString());
    ctx.programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    ctx.tempDir = withTrailingSeparator(QDir::tempPath().toStdString());
    return ctx;
}

} // namespace zarn
