#include "roms/verify_window.h"

#include "roms/verification.h"

#include <QLabel>
#include <QProgressBar>
#include <QShowEvent>

TVerForm::TVerForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("VerForm"));
    setWindowTitle(QStringLiteral("ZARN - ROM Verify"));
    setFixedSize(228, 134);

    auto label = [this](const char* name, const QString& caption, int top) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(16, top, 208, 18);
        return l;
    };
    Labeltit = label("Labeltit", QStringLiteral("Please Wait..."), 10);
    QFont bold = Labeltit->font();
    bold.setBold(true);
    Labeltit->setFont(bold);
    Label1 = label("Label1", QStringLiteral("1. checking rom availability (5-10 sec)"), 36);
    Label2 = label("Label2", QStringLiteral("2. verifying roms"), 58);
    Label3 = label("Label3", QStringLiteral("3. updating table"), 80);

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setGeometry(0, 134 - 16, 228, 16);
    ProgressBar->setRange(0, 4000);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
}

void TVerForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* owner = parentWidget())
        move(owner->frameGeometry().center() - rect().center());
}

void TVerForm::setStage(int stage) {
    QLabel* labels[3] = {Label1, Label2, Label3};
    for (int i = 0; i < 3; ++i) {
        QFont f = labels[i]->font();
        f.setBold(i + 1 == stage);
        labels[i]->setFont(f);
    }
    repaint();
}

void TVerForm::setProgress(int position) {
    // The bar ignores values outside its range; a long report should show it full instead.
    ProgressBar->setValue(std::clamp(position, ProgressBar->minimum(), ProgressBar->maximum()));
}

void TVerForm::UpdateVerifyProgress(const std::string& capturePath) {
    const zarn::CaptureProgress progress = zarn::ReadCaptureProgress(capturePath);
    if (!progress.opened) {
        setWindowTitle(QString::fromLocal8Bit(progress.errorText.c_str()));
        return;
    }
    if (progress.bytesRead > 0) {
        setProgress(progress.lineFeeds);
        repaint();
    }
}
