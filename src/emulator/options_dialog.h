#pragma once

#include <QDialog>

// QDialog
class TMAMEOpts : public QDialog {
    Q_OBJECT
public:
    explicit TMAMEOpts(QWidget* owner);

    // Reads the MAMEOPTS section into the controls (start-up).
    void LoadOptions();
};
