#include "logic/test_support.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

using namespace zarn::test;

namespace {
QProcess* startFake(QProcess& p, const QString& reportPath, bool hang) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FAKE_MAME_VERIFY_REPORT"), reportPath);
    if (hang)
        env.insert(QStringLiteral("FAKE_MAME_VERIFY_HANG"), QStringLiteral("1"));
    p.setProcessEnvironment(env);
    p.start(QString::fromStdString(fakeMamePath()), {QStringLiteral("*"), QStringLiteral("-verifysets")});
    return &p;
}
} // namespace

TEST(FakeMameVerifysets, PrintsTheChosenReportOrHangsAfterIt) {
    TempDir dir;
    const std::string report = std::string("romset abc is good\nromset def is bad\n") + std::string(1, '\0') + "x\n";
    const QString path = QString::fromStdString(dir.write("report.txt", report));

    QProcess finished;
    startFake(finished, path, false);
    ASSERT_TRUE(finished.waitForFinished(10000));
    EXPECT_EQ(finished.readAllStandardOutput().toStdString(), report);

    QProcess hanging;
    startFake(hanging, path, true);
    ASSERT_TRUE(hanging.waitForReadyRead(10000));
    EXPECT_FALSE(hanging.waitForFinished(1500));
    hanging.kill();
    hanging.waitForFinished(5000);
    EXPECT_EQ(hanging.readAllStandardOutput().toStdString(), report);
}
