#pragma once

#include "emulator/mame_options.h"

#include <QDialog>
#include <QGroupBox>

#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace zarn {
struct AppContext;
}

// A titled group of radio buttons with one selected item index (-1 when none is selected).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const;
    // An index outside the items selects none.
    void setItemIndex(int index);
    int itemCount() const;

private:
    QButtonGroup* buttons_;
};

// The MAME options dialog. Its controls hold the live option set for the whole run; the only way
// out is OK, which saves them all to the MAMEOPTS section.
class TMAMEOpts : public QDialog {
    Q_OBJECT
public:
    TMAMEOpts(QWidget* owner, const zarn::AppContext& ctx);

    // Reads the MAMEOPTS section into the controls (start-up).
    void LoadOptions();
    // Writes the controls to the MAMEOPTS section; throws Error when the file cannot be written.
    void SaveOptions();
    // Fills OptionArgs with the MAME arguments of the controls as they are now.
    void BuildOptionArgs();

    // The controls as an option set, and the other way round (bars and groups limit the values).
    zarn::MameOptions options() const;
    void setOptions(const zarn::MameOptions& options);

    void MOKBtnClick();
    void brbarChange();
    void gbarChange();
    void volbarChange();
    void d3dscanbarChange();
    void frameskipautoClick();
    // Typed characters are discarded: the sample rate is chosen from the list.
    void SRateKeyPress(QChar key);

    std::string OptionArgs;

    QTabWidget* PageControl1;
    // Path and Directories
    QLineEdit* rompath;
    QCheckBox* romuse;
    QLineEdit* snapshot;
    QCheckBox* snapuse;
    // Video Options
    QLineEdit* frameskip;
    QCheckBox* frameskipauto;
    QCheckBox* scanlines;
    QCheckBox* hwstretch;
    QCheckBox* switchres;
    QCheckBox* switchbpp;
    QCheckBox* window; // hides QWidget::window() in this class only
    RadioGroup* Effects;
    QCheckBox* artwork;
    QCheckBox* bezels;
    QCheckBox* overlays;
    QCheckBox* backdrops;
    QCheckBox* norotate;
    QCheckBox* autoror;
    QCheckBox* autorol;
    QCheckBox* ror;
    QCheckBox* rol;
    QCheckBox* flipy;
    QCheckBox* flipx;
    QSlider* brbar;
    QLabel* brightness;
    QSlider* gbar;
    QLabel* gamma;
    // D3D Video Options
    QCheckBox* direct3d;
    QCheckBox* d3dtexmanage;
    RadioGroup* d3dfilter;
    QSlider* d3dscanbar;
    QLabel* scanlbl;
    RadioGroup* d3deffect;
    // Audio / Input
    QCheckBox* mouse;
    QCheckBox* joystick;
    QCheckBox* lightgun;
    QCheckBox* steadykey;
    QCheckBox* ledemul;
    QCheckBox* wantctrlr;
    QLineEdit* ctrlredt;
    QSlider* volbar;
    QLabel* Volume;
    QComboBox* SRate;
    // Other
    QCheckBox* cheats;
    QCheckBox* skipgameinfo;
    QCheckBox* skipdisclaimer;
    // Below the pages
    QCheckBox* usethem;
    QPushButton* MOKBtn;

public slots:
    // No Cancel: Esc and the window manager's close do nothing, OK is the way out.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const zarn::AppContext& ctx_;
};
