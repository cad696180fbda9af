#include "windows/window_fixture.h"

#include "emulator/option_args.h"
#include "emulator/options_dialog.h"
#include "settings/ini_file.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

using namespace zarn;

TEST_F(WindowTest, OptionsDialogOpensOnOtherAndHasNoWayOutButOk) {
    startUp();
    TMAMEOpts* d = w.MAMEOpts;
    EXPECT_EQ(d->windowTitle(), QStringLiteral("MAME Options"));
    QStringList pages;
    for (int i = 0; i < d->PageControl1->count(); ++i)
        pages << d->PageControl1->tabText(i);
    EXPECT_EQ(pages, (QStringList{QStringLiteral("Path and Directories"), QStringLiteral("Video Options"),
                                  QStringLiteral("D3D Video Options"), QStringLiteral("Audio / Input"),
                                  QStringLiteral("Other")}));
    EXPECT_EQ(d->PageControl1->currentIndex(), 4);
    EXPECT_FALSE(d->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(d->d3deffect->itemCount(), 20);
    EXPECT_EQ(d->Effects->itemCount(), 8);
    EXPECT_EQ(d->d3dfilter->itemCount(), 5);
    EXPECT_TRUE(d->usethem->font().bold());
    EXPECT_TRUE(d->direct3d->font().bold());

    // The menu command is built; the dialog comes back on the page last shown, and Esc (reject)
    // does not close it: only OK does, and OK saves.
    ASSERT_TRUE(form->EditOptions1->isEnabled());
    int rejectsSurvived = 0;
    QTimer::singleShot(0, d, [&] {
        d->PageControl1->setCurrentIndex(1);
        d->reject();
        rejectsSurvived += d->isVisible() ? 1 : 0;
        d->MOKBtn->click();
    });
    run([&] { form->EditOptions1Click(); });
    EXPECT_EQ(rejectsSurvived, 1);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(d->PageControl1->currentIndex(), 1);
    EXPECT_EQ(IniFile(ctx.settingsPath()).readString(kMameOptsSection, "Cheats"), "1");
}

TEST_F(WindowTest, OptionsLoadWithMissingKeyValuesAndLabelsFollow) {
    startUp();
    TMAMEOpts* d = w.MAMEOpts;
    EXPECT_EQ(d->options(), MameOptions());
    EXPECT_EQ(d->snapshot->text(), QStringLiteral("c:\\"));
    EXPECT_EQ(d->SRate->currentText(), QStringLiteral("44100"));
    EXPECT_EQ(d->d3dfilter->itemIndex(), 0);
    EXPECT_FALSE(d->frameskip->isEnabled());
    EXPECT_EQ(d->scanlbl->text(), QStringLiteral("Disabled"));
    EXPECT_EQ(d->Volume->text(), QStringLiteral("0dB"));
    EXPECT_EQ(d->brightness->text(), QStringLiteral("1"));
    EXPECT_EQ(d->gamma->text(), QStringLiteral("1"));
    EXPECT_TRUE(d->OptionArgs.empty());
}

TEST_F(WindowTest, OptionsLoadLimitsStoredValuesAndOkSavesThemLimited) {
    dir.write("program/zarn.ini",
              "[MAMEOPTS]\nBrightness=25\nGamma=5\nVolDB=0\nD3Dscanlines=42\nFrameSkipAuto=0\nFrameSkip=3\n"
              "Effects=-5\nD3Deffect=18\nSampleRate=48000\nUseSettings=1\n");
    startUp();
    TMAMEOpts* d = w.MAMEOpts;
    EXPECT_EQ(d->brbar->value(), 20);
    EXPECT_EQ(d->brightness->text(), QStringLiteral("2"));
    EXPECT_EQ(d->gamma->text(), QLocale().toString(0.5));
    EXPECT_EQ(d->Volume->text(), QStringLiteral("-32dB"));
    EXPECT_EQ(d->scanlbl->text(), QStringLiteral("42%"));
    EXPECT_TRUE(d->frameskip->isEnabled());
    EXPECT_EQ(d->frameskip->text(), QStringLiteral("3"));
    EXPECT_EQ(d->Effects->itemIndex(), -1);
    EXPECT_EQ(d->SRate->currentText(), QStringLiteral("48000"));

    // Labels and the frame-skip box follow the user's changes too.
    d->volbar->setValue(31);
    EXPECT_EQ(d->Volume->text(), QStringLiteral("-1dB"));
    d->d3dscanbar->setValue(100);
    EXPECT_EQ(d->scanlbl->text(), QStringLiteral("Disabled"));
    d->frameskipauto->setChecked(true);
    EXPECT_FALSE(d->frameskip->isEnabled());

    d->BuildOptionArgs();
    EXPECT_EQ(d->OptionArgs, BuildOptionArgs(d->options()));
    EXPECT_NE(d->OptionArgs.find(" -full_screen_brightness 2  -gamma 0.5 "), std::string::npos);
    EXPECT_NE(d->OptionArgs.find(" -samplerate 48000 "), std::string::npos);
    EXPECT_EQ(d->OptionArgs.find("-effect "), std::string::npos);

    run([&] { d->MOKBtnClick(); });
    const IniFile ini(ctx.settingsPath());
    EXPECT_EQ(ini.readString(kMameOptsSection, "Brightness"), "20");
    EXPECT_EQ(ini.readString(kMameOptsSection, "Effects"), "-1");
    EXPECT_EQ(ini.readString(kMameOptsSection, "VolDB"), "31");
    EXPECT_EQ(ini.readString(kMameOptsSection, "FrameSkipAuto"), "1");
    EXPECT_EQ(ini.readString(kMameOptsSection, "D3Deffect"), "18");
    EXPECT_EQ(ini.readString(kMameOptsSection, "SampleRate"), "48000");
}

TEST_F(WindowTest, SampleRateIgnoresTypingAndAnEmptyRateIsSavedAs44100) {
    startUp();
    TMAMEOpts* d = w.MAMEOpts;
    QLineEdit* edit = d->SRate->lineEdit();
    for (const auto& [key, text] : {std::pair{Qt::Key_9, QStringLiteral("9")},
                                    std::pair{Qt::Key_Backspace, QStringLiteral("\b")}}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(d->SRate->currentText(), QStringLiteral("44100"));
    d->SRate->setCurrentIndex(1);
    EXPECT_EQ(d->SRate->currentText(), QStringLiteral("11000"));

    d->SRate->setEditText(QString());
    run([&] { d->MOKBtnClick(); });
    EXPECT_EQ(IniFile(ctx.settingsPath()).readString(kMameOptsSection, "SampleRate"), "44100");
    EXPECT_EQ(d->SRate->currentText(), QStringLiteral("44100"));
}

TEST_F(WindowTest, OkClosesEvenWhenTheSettingsFileCannotBeWritten) {
    startUp();
    TMAMEOpts* d = w.MAMEOpts;
    std::filesystem::create_directory(ctx.settingsPath() + ".tmp");
    d->open();
    run([&] { d->MOKBtnClick(); });
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    ASSERT_EQ(shownTexts().size(), 1);
    EXPECT_EQ(shownTexts()[0].toStdString(), "Unable to write to " + ctx.settingsPath());
}
