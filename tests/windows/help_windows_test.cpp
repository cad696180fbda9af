#include "windows/window_fixture.h"

#include "app/icons.h"
#include "media/about_window.h"
#include "media/help_window.h"
#include "media/legend_window.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QImage imageOf(const QLabel* box) { return box->pixmap().toImage(); }

} // namespace

TEST_F(WindowTest, GettingStartedHoldsItsSeventeenLinesAndToggles) {
    startUp();
    const std::vector<std::string> expected = {
        "Quick startup info for the impatient:",
        "------------------------------------",
        "1. Go to menu \"Settings->Edit ZARN Paths\" and fill in MAME's (executable) path",
        "2. Run \"Game Data->Read Gamelist from mame\" to read mame's supported",
        "   games.",
        "",
        "optionally:",
        "",
        "*  Select \"ROMs->ROM Availability\" (fast) or",
        "   \"ROMs->ROM Availability && Verification\" (accurate but slow) to see",
        "   which roms are available at your system",
        "",
        "*  If for example mame.exe is in the directory \"mamedir\" and roms are not",
        "   inside \"mamedir/roms\"",
        "   you must select the roms directory in menu \"Settings->Edit MAME Options\"",
        "",
        " ",
    };
    const QStringList lines = w.HelpFrm->HelpMemo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(static_cast<size_t>(lines.size()), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].toStdString(), expected[static_cast<size_t>(i)]) << "line " << i + 1;
    EXPECT_EQ(lines[1], QString(36, QLatin1Char('-')));
    EXPECT_FALSE(w.HelpFrm->HelpMemo->isReadOnly());

    ASSERT_TRUE(form->GettingStarted1->isEnabled());
    EXPECT_FALSE(w.HelpFrm->isVisible());
    form->GettingStarted1->trigger();
    EXPECT_TRUE(w.HelpFrm->isVisible());
    EXPECT_TRUE(w.HelpFrm->isWindow());
    form->GettingStarted1->trigger();
    EXPECT_FALSE(w.HelpFrm->isVisible());
    EXPECT_FALSE(form->GettingStarted1->isChecked());
}

TEST_F(WindowTest, AboutBoxEndsOnlyByItsCloseButton) {
    startUp();
    EXPECT_FALSE(w.AboutFrm->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(w.AboutFrm->windowFlags() & Qt::WindowStaysOnTopHint);
    bool stayedOpen = false;
    QTimer::singleShot(0, w.AboutFrm, [this, &stayedOpen] {
        // Esc and the window manager's close request leave it open.
        w.AboutFrm->reject();
        w.AboutFrm->close();
        stayedOpen = w.AboutFrm->isVisible();
        w.AboutFrm->BitBtn1->click();
    });
    // Should the box not close, this ends the wait so the test fails instead of hanging.
    QTimer::singleShot(10000, w.AboutFrm, [this] { w.AboutFrm->done(-1); });
    form->About1->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(w.AboutFrm->result(), QDialog::Accepted);
    EXPECT_FALSE(w.AboutFrm->isVisible());
    EXPECT_TRUE(w.AboutFrm->Label2->text().contains(QStringLiteral("MAME 0.87")));
}

TEST_F(WindowTest, LegendButtonFollowsTheLegendHoweverItCloses) {
    startUp();
    ASSERT_TRUE(form->LegendBtn->isEnabled());
    ASSERT_TRUE(form->LegendBtn->isCheckable());

    // Opened and closed by the button.
    form->LegendBtn->trigger();
    EXPECT_TRUE(w.LegendFrm->isVisible());
    EXPECT_TRUE(form->LegendBtn->isChecked());
    form->LegendBtn->trigger();
    EXPECT_FALSE(w.LegendFrm->isVisible());
    EXPECT_FALSE(form->LegendBtn->isChecked());

    // Opened by the button, closed by its close box; the next click opens it again.
    form->LegendBtn->trigger();
    ASSERT_TRUE(w.LegendFrm->isVisible());
    w.LegendFrm->close();
    EXPECT_FALSE(w.LegendFrm->isVisible());
    EXPECT_FALSE(form->LegendBtn->isChecked());
    form->LegendBtn->trigger();
    EXPECT_TRUE(w.LegendFrm->isVisible());
    EXPECT_TRUE(form->LegendBtn->isChecked());
}

TEST_F(WindowTest, LegendShowsTheStatusIconsInItsRowOrderOnEveryShow) {
    startUp();
    const std::vector<QIcon> icons = statusIcons();
    const QLabel* boxes[5] = {w.LegendFrm->Image0, w.LegendFrm->Image1, w.LegendFrm->Image2,
                              w.LegendFrm->Image3, w.LegendFrm->Image4};
    const struct {
        int code;
        const char* text;
        const QLabel* label;
    } rows[5] = {
        {0, "ROM found on system and is good", w.LegendFrm->Label1},
        {4, "ROM not found", w.LegendFrm->Label2},
        {1, "ROM found but it is not working", w.LegendFrm->Label3},
        {3, "ROM found and is the best available", w.LegendFrm->Label4},
        {6, "ROM exists but is of unknown condition", w.LegendFrm->Label5},
    };
    form->LegendBtnClick();
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(imageOf(boxes[row]), icons[rows[row].code].pixmap(16, 16).toImage()) << "row " << row + 1;
        EXPECT_EQ(rows[row].label->text(), QString::fromLatin1(rows[row].text));
        // Each box sits to the left of its label, rows going down.
        EXPECT_LT(boxes[row]->geometry().right(), rows[row].label->geometry().left());
        if (row > 0) {
            EXPECT_GT(boxes[row]->y(), boxes[row - 1]->y());
        }
    }
    // The icons are fetched again on the next show.
    form->LegendBtnClick();
    w.LegendFrm->Image2->clear();
    form->LegendBtnClick();
    EXPECT_EQ(imageOf(w.LegendFrm->Image2), icons[1].pixmap(16, 16).toImage());
}
