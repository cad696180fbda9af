#pragma once

#include "app/context.h"
#include "settings/path_settings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace zarn {
class Ui;
}

// The paths dialog. Its controls are the program's live paths and picture types for the whole
// run; the rest of the program reads them through settings().
class TSettingsFrm : public QDialog {
    Q_OBJECT
public:
    TSettingsFrm(QWidget* owner, const zarn::AppContext& ctx, zarn::Ui& ui);

    // The live values, read from the controls.
    zarn::PathSettings settings() const;
    void setSettings(const zarn::PathSettings& settings);

    void SOkBtnClick();
    void SCancelBtnClick();
    void HistEdtEnter();
    void AutoFillBtnClick();

    QLineEdit* MLocationEdit;
    QLineEdit* ArtworkEdt;
    QLineEdit* CabinetEdt;
    QLineEdit* FlyerEdt;
    QLineEdit* SnapshotEdt;
    QLineEdit* HistEdt;
    QCheckBox* png;
    QCheckBox* jpg;
    QCheckBox* tif;
    QCheckBox* gif;
    QCheckBox* bmp;
    QCheckBox* ico;
    QCheckBox* AutoExtract;
    QPushButton* AutoFillBtn;
    QPushButton* SCancelBtn;
    QPushButton* SOkBtn;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const zarn::AppContext& ctx_;
    zarn::Ui& ui_;
};
