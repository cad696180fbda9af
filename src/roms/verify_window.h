#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QProgressBar;

// The progress window of the full verification: three stages, the one at work in bold, and a bar
// that follows the captured report lines while MAME runs and the parsed sets afterwards.
class TVerForm : public QDialog {
    Q_OBJECT
public:
    explicit TVerForm(QWidget* owner);

    // Stage 1, 2 or 3 in bold, the others normal; repaints.
    void setStage(int stage);
    // Reads the start of the capture file and moves the bar to its line count; a file that cannot
    // be opened puts the system's text for it into the caption.
    void UpdateVerifyProgress(const std::string& capturePath);
    // Sets the position, a value past the maximum showing a full bar.
    void setProgress(int position);

    QLabel* Labeltit;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QProgressBar* ProgressBar;

protected:
    void showEvent(QShowEvent* event) override;
};
