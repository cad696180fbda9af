#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// The progress window of the game list refresh: two step labels, the running one bold, and the
// progress bar of the parsing step. It stays on top and has no title-bar buttons.
class TExtractForm : public QDialog {
    Q_OBJECT
public:
    explicit TExtractForm(QWidget* owner);

    // Makes the label of the running step bold and the other plain.
    void setStepBold(QLabel* running);
    // Shows the window centred over its owner.
    void showCentred();

    QLabel* Label1;   // "Please wait..."
    QLabel* ExLbl;    // step 1
    QLabel* tmpLbl;   // the capture file's path
    QLabel* ParLbl;   // step 2
    QProgressBar* ProgressBar;

protected:
    // Esc must not close it while the import runs.
    void reject() override {}
};
