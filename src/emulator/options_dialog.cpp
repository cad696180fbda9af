#include "emulator/options_dialog.h"

#include "app/context.h"
#include "emulator/option_args.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string ss(const QString& s) { return s.toStdString(); }

QSlider* makeBar(int low, int high, QWidget* parent) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(low, high);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}

// The user's decimal separator, for the value labels only.
std::string decimalSeparator() { return ss(QLocale().decimalPoint()); }

} // namespace

// ---- RadioGroup

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        // Items run down the first column, then down the next.
        grid->addWidget(button, i % rows, i / rows);
    }
}

int RadioGroup::itemIndex() const { return buttons_->checkedId(); }

int RadioGroup::itemCount() const { return static_cast<int>(buttons_->buttons().size()); }

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button.
    buttons_->setExclusive(false);
    for (QAbstractButton* b : buttons_->buttons())
        b->setChecked(false);
    buttons_->setExclusive(true);
}

// ---- TMAMEOpts

TMAMEOpts::TMAMEOpts(QWidget* owner, const zarn::AppContext& ctx)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ctx_(ctx) {
    setObjectName(QStringLiteral("MAMEOpts"));
    setWindowTitle(QStringLiteral("MAME Options"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    layout->addWidget(PageControl1);

    // Path and Directories
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        auto* roms = new QGroupBox(QStringLiteral("ROMS"), page);
        auto* rg = new QGridLayout(roms);
        rg->addWidget(new QLabel(QStringLiteral("ROMs Directory"), roms), 0, 0);
        rompath = new QLineEdit(roms);
        rg->addWidget(rompath, 0, 1);
        romuse = new QCheckBox(QStringLiteral("Use this instead of default \"roms\""), roms);
        rg->addWidget(romuse, 1, 1);
        v->addWidget(roms);
        auto* snaps = new QGroupBox(QStringLiteral("Snapshots"), page);
        auto* sg = new QGridLayout(snaps);
        sg->addWidget(new QLabel(QStringLiteral("Snapshot Directory"), snaps), 0, 0);
        snapshot = new QLineEdit(snaps);
        sg->addWidget(snapshot, 0, 1);
        snapuse = new QCheckBox(QStringLiteral("Use this instead of default \"snap\""), snaps);
        sg->addWidget(snapuse, 1, 1);
        v->addWidget(snaps);
        v->addStretch(1);
        PageControl1->addTab(page, QStringLiteral("Path and Directories"));
    }

    // Video Options
    {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);

        auto* speed = new QGroupBox(QStringLiteral("Speed specific"), page);
        auto* sp = new QGridLayout(speed);
        sp->addWidget(new QLabel(QStringLiteral("Frame Skip: "), speed), 0, 0);
        frameskip = new QLineEdit(speed);
        frameskip->setFixedWidth(40);
        sp->addWidget(frameskip, 0, 1);
        sp->addWidget(new QLabel(QStringLiteral("out of 12"), speed), 0, 2);
        frameskipauto = new QCheckBox(QStringLiteral("Auto frameskip"), speed);
        sp->addWidget(frameskipauto, 1, 0, 1, 3);
        grid->addWidget(speed, 0, 0);

        auto* visual = new QGroupBox(QStringLiteral("Visual"), page);
        auto* vl = new QVBoxLayout(visual);
        scanlines = new QCheckBox(QStringLiteral("scanlines - emulate old scanlines"), visual);
        hwstretch = new QCheckBox(QStringLiteral("hwstretch - hardware vid. stretch"), visual);
        switchres = new QCheckBox(QStringLiteral("Switch Resolution (to best fit)"), visual);
        switchbpp = new QCheckBox(QStringLiteral("Switch BPP (switch color depths)"), visual);
        window = new QCheckBox(QStringLiteral("Run in a Window"), visual);
        for (QWidget* w : {static_cast<QWidget*>(scanlines), static_cast<QWidget*>(hwstretch),
                           static_cast<QWidget*>(switchres), static_cast<QWidget*>(switchbpp),
                           static_cast<QWidget*>(window)})
            vl->addWidget(w);
        grid->addWidget(visual, 1, 0);

        Effects = new RadioGroup(QStringLiteral("Effects"),
                                 {QStringLiteral("none  "), QStringLiteral("scan25"), QStringLiteral("scan50"),
                                  QStringLiteral("scan75"), QStringLiteral("rgb3  "), QStringLiteral("rgb4  "),
                                  QStringLiteral("rgb6  "), QStringLiteral("rgb16 ")},
                                 2, page);
        grid->addWidget(Effects, 2, 0);

        auto* art = new QGroupBox(QStringLiteral("ArtWork Options"), page);
        auto* al = new QVBoxLayout(art);
        artwork = new QCheckBox(QStringLiteral("artwork - enable/disable artwork"), art);
        bezels = new QCheckBox(QStringLiteral("bezels - display bezels"), art);
        overlays = new QCheckBox(QStringLiteral("overlays - display overlays"), art);
        backdrops = new QCheckBox(QStringLiteral("backdrops - display backdrops "), art);
        for (QWidget* w : {static_cast<QWidget*>(artwork), static_cast<QWidget*>(bezels),
                           static_cast<QWidget*>(overlays), static_cast<QWidget*>(backdrops)})
            al->addWidget(w);
        grid->addWidget(art, 0, 1);

        auto* rotation = new QGroupBox(QStringLiteral("Rotation"), page);
        auto* rl = new QVBoxLayout(rotation);
        norotate = new QCheckBox(QStringLiteral("norotate"), rotation);
        autoror = new QCheckBox(QStringLiteral("auto rotate screen clockwise"), rotation);
        autoror->setToolTip(QStringLiteral("automatically rotate screen clockwise for  vertical games"));
        autorol = new QCheckBox(QStringLiteral("auto rot. screen anti-clockwise"), rotation);
        autorol->setToolTip(QStringLiteral("automatically rotate screen anti-clockwise for  vertical games"));
        ror = new QCheckBox(QStringLiteral("rotate screen clockwise"), rotation);
        rol = new QCheckBox(QStringLiteral("rotate screen anti-clockwise"), rotation);
        flipy = new QCheckBox(QStringLiteral("flip screen upside-down"), rotation);
        flipx = new QCheckBox(QStringLiteral("flip screen left-right"), rotation);
        for (QWidget* w : {static_cast<QWidget*>(norotate), static_cast<QWidget*>(autoror),
                           static_cast<QWidget*>(autorol), static_cast<QWidget*>(ror),
                           static_cast<QWidget*>(rol), static_cast<QWidget*>(flipy),
                           static_cast<QWidget*>(flipx)})
            rl->addWidget(w);
        grid->addWidget(rotation, 1, 1);

        auto barGroup = [&](const QString& caption, int low, int high, QSlider** bar, QLabel** label) {
            auto* group = new QGroupBox(caption, page);
            auto* h = new QHBoxLayout(group);
            *bar = makeBar(low, high, group);
            *label = new QLabel(group);
            (*label)->setMinimumWidth(48);
            h->addWidget(*bar, 1);
            h->addWidget(*label);
            return group;
        };
        auto* bars = new QVBoxLayout;
        bars->addWidget(barGroup(QStringLiteral("Brightness"), zarn::kBrightnessRange.low,
                                 zarn::kBrightnessRange.high, &brbar, &brightness));
        bars->addWidget(barGroup(QStringLiteral("Gamma"), zarn::kGammaRange.low, zarn::kGammaRange.high,
                                 &gbar, &gamma));
        grid->addLayout(bars, 2, 1);
        PageControl1->addTab(page, QStringLiteral("Video Options"));
    }

    // D3D Video Options
    {
        auto* page = new QWidget;
        auto* pv = new QVBoxLayout(page);
        auto* d3d = new QGroupBox(QStringLiteral("Direct 3D"), page);
        auto* grid = new QGridLayout(d3d);
        direct3d = new QCheckBox(
            QStringLiteral("direct3d - Use Direct3D to display the image, implies hwstretch"), d3d);
        QFont bold = direct3d->font();
        bold.setBold(true);
        direct3d->setFont(bold);
        grid->addWidget(direct3d, 0, 0, 1, 2);
        d3dtexmanage = new QCheckBox(QStringLiteral("d3dtexmanage - more compatible, slower in some hardware"), d3d);
        grid->addWidget(d3dtexmanage, 1, 0, 1, 2);
        d3dfilter = new RadioGroup(QStringLiteral("d3dfilter"),
                                   {QStringLiteral("none"), QStringLiteral("bi-linear (default)"),
                                    QStringLiteral("flat bi-cubic"), QStringLiteral("gaussian bicubic"),
                                    QStringLiteral("anisotropic (if supported)")},
                                   1, d3d);
        grid->addWidget(d3dfilter, 2, 0);
        auto* filterNote = new QLabel(QStringLiteral("Type of filtering to apply to the image when stretching"), d3d);
        filterNote->setWordWrap(true);
        grid->addWidget(filterNote, 2, 1);

        const QString scanHint = QStringLiteral(
            "scanline effect intensity in percentages. 0 is black lines  between scanlines, 100 is disable effect.");
        auto* scan = new QGroupBox(QStringLiteral("Scanline Intensity"), d3d);
        scan->setToolTip(scanHint);
        auto* sh = new QHBoxLayout(scan);
        d3dscanbar = makeBar(zarn::kD3DScanRange.low, zarn::kD3DScanRange.high, scan);
        d3dscanbar->setPageStep(10);
        d3dscanbar->setTickInterval(10);
        scanlbl = new QLabel(scan);
        scanlbl->setToolTip(scanHint);
        scanlbl->setMinimumWidth(56);
        sh->addWidget(d3dscanbar, 1);
        sh->addWidget(scanlbl);
        grid->addWidget(scan, 3, 0, 1, 2);

        d3deffect = new RadioGroup(
            QStringLiteral("d3deffect"),
            {QStringLiteral("none - no effect (default)"), QStringLiteral("sharp - no effect, sharper image"),
             QStringLiteral("scan25 - 25% scanlines"), QStringLiteral("scan50 - 50% scanlines"),
             QStringLiteral("scan75 - 75% scanlines"), QStringLiteral("scan75v - 75% scanlines (vert.)"),
             QStringLiteral("rgbmicro - a \"monitor mask\""), QStringLiteral("rgbtiny - another one"),
             QStringLiteral("rgb3 - another one"), QStringLiteral("rgb4 - another one"),
             QStringLiteral("rgb4v - another one (vertical)"), QStringLiteral("rgb6 - another one"),
             QStringLiteral("rgb16 - another one"), QStringLiteral("rgbminmask - another one"),
             QStringLiteral("dotmedmask - another one"), QStringLiteral("rgbmedmask - another one"),
             QStringLiteral("dotmedbright - another extra bright"),
             QStringLiteral("rgbmaxbright - another extra bright"), QStringLiteral("aperturegrille - another one"),
             QStringLiteral("auto - select based on zoom level ")},
            2, d3d);
        grid->addWidget(d3deffect, 4, 0, 1, 2);
        pv->addWidget(d3d);
        PageControl1->addTab(page, QStringLiteral("D3D Video Options"));
    }

    // Audio / Input
    {
        auto* page = new QWidget;
        auto* grid = new QGridLayout(page);
        auto* input = new QGroupBox(QStringLiteral("Input Device Options"), page);
        auto* il = new QVBoxLayout(input);
        mouse = new QCheckBox(QStringLiteral("Use Mouse"), input);
        joystick = new QCheckBox(QStringLiteral("Use Joystick"), input);
        lightgun = new QCheckBox(QStringLiteral("Use Lightgun"), input);
        steadykey = new QCheckBox(QStringLiteral("Use Steadykey"), input);
        ledemul = new QCheckBox(QStringLiteral("keyb. LED emul."), input);
        wantctrlr = new QCheckBox(QStringLiteral("Preconfigure For:"), input);
        ctrlredt = new QLineEdit(input);
        ctrlredt->setToolTip(QStringLiteral("Controller Name (e.g. hotrod)"));
        for (QWidget* w : {static_cast<QWidget*>(mouse), static_cast<QWidget*>(joystick),
                           static_cast<QWidget*>(lightgun), static_cast<QWidget*>(steadykey),
                           static_cast<QWidget*>(ledemul), static_cast<QWidget*>(wantctrlr),
                           static_cast<QWidget*>(ctrlredt)})
            il->addWidget(w);
        grid->addWidget(input, 0, 0, 2, 1);

        auto* vol = new QGroupBox(QStringLiteral("Volume"), page);
        auto* vh = new QHBoxLayout(vol);
        volbar = makeBar(zarn::kVolumeRange.low, zarn::kVolumeRange.high, vol);
        Volume = new QLabel(vol);
        Volume->setMinimumWidth(48);
        vh->addWidget(volbar, 1);
        vh->addWidget(Volume);
        grid->addWidget(vol, 0, 1);

        auto* rate = new QGroupBox(QStringLiteral("Sample Rate"), page);
        auto* rh = new QHBoxLayout(rate);
        SRate = new QComboBox(rate);
        // Editable so that a stored rate outside the list shows as it is.
        SRate->setEditable(true);
        SRate->setInsertPolicy(QComboBox::NoInsert);
        SRate->addItems({QStringLiteral("8000"), QStringLiteral("11000"), QStringLiteral("22000"),
                         QStringLiteral("32000"), QStringLiteral("44100")});
        SRate->lineEdit()->installEventFilter(this);
        rh->addWidget(SRate);
        grid->addWidget(rate, 1, 1);
        grid->setRowStretch(2, 1);
        PageControl1->addTab(page, QStringLiteral("Audio / Input"));
    }

    // Other
    {
        auto* page = new QWidget;
        auto* v = new QVBoxLayout(page);
        cheats = new QCheckBox(QStringLiteral("Enable Cheats"), page);
        skipgameinfo = new QCheckBox(QStringLiteral("skipgameinfo"), page);
        skipdisclaimer = new QCheckBox(QStringLiteral("skipdisclaimer"), page);
        v->addWidget(cheats);
        v->addWidget(skipgameinfo);
        v->addWidget(skipdisclaimer);
        v->addStretch(1);
        PageControl1->addTab(page, QStringLiteral("Other"));
    }
    // The first opening shows "Other"; later ones the page last shown.
    PageControl1->setCurrentIndex(4);

    auto* bottom = new QHBoxLayout;
    usethem = new QCheckBox(QStringLiteral("Use these settings"), this);
    QFont bold = usethem->font();
    bold.setBold(true);
    usethem->setFont(bold);
    MOKBtn = new QPushButton(QStringLiteral("OK"), this);
    MOKBtn->setDefault(true);
    bottom->addWidget(usethem);
    bottom->addStretch(1);
    bottom->addWidget(MOKBtn);
    layout->addLayout(bottom);

    connect(MOKBtn, &QPushButton::clicked, this, &TMAMEOpts::MOKBtnClick);
    connect(brbar, &QSlider::valueChanged, this, &TMAMEOpts::brbarChange);
    connect(gbar, &QSlider::valueChanged, this, &TMAMEOpts::gbarChange);
    connect(volbar, &QSlider::valueChanged, this, &TMAMEOpts::volbarChange);
    connect(d3dscanbar, &QSlider::valueChanged, this, &TMAMEOpts::d3dscanbarChange);
    connect(frameskipauto, &QCheckBox::toggled, this, &TMAMEOpts::frameskipautoClick);

    // Built-in state: the values of an empty section, labels and enabling in step.
    setOptions(zarn::MameOptions());
}

zarn::MameOptions TMAMEOpts::options() const {
    zarn::MameOptions o;
    o.useSettings = usethem->isChecked();
    o.romPath = ss(rompath->text());
    o.romPathUse = romuse->isChecked();
    o.snapshotDir = ss(snapshot->text());
    o.snapDirUse = snapuse->isChecked();
    o.frameSkip = ss(frameskip->text());
    o.frameSkipAuto = frameskipauto->isChecked();
    o.scanLines = scanlines->isChecked();
    o.hwStretch = hwstretch->isChecked();
    o.switchRes = switchres->isChecked();
    o.switchBpp = switchbpp->isChecked();
    o.window = window->isChecked();
    o.effects = Effects->itemIndex();
    o.artwork = artwork->isChecked();
    o.bezels = bezels->isChecked();
    o.overlays = overlays->isChecked();
    o.backdrops = backdrops->isChecked();
    o.noRotate = norotate->isChecked();
    o.autoRor = autoror->isChecked();
    o.autoRol = autorol->isChecked();
    o.ror = ror->isChecked();
    o.rol = rol->isChecked();
    o.flipY = flipy->isChecked();
    o.flipX = flipx->isChecked();
    o.brightness = brbar->value();
    o.gamma = gbar->value();
    o.direct3d = direct3d->isChecked();
    o.d3dTexManage = d3dtexmanage->isChecked();
    o.d3dFilter = d3dfilter->itemIndex();
    o.d3dScanlines = d3dscanbar->value();
    o.d3dEffect = d3deffect->itemIndex();
    o.mouse = mouse->isChecked();
    o.joystick = joystick->isChecked();
    o.lightgun = lightgun->isChecked();
    o.steadyKey = steadykey->isChecked();
    o.ledEmul = ledemul->isChecked();
    o.useController = wantctrlr->isChecked();
    o.controllerName = ss(ctrlredt->text());
    o.volDb = volbar->value();
    o.sampleRate = ss(SRate->currentText());
    o.cheats = cheats->isChecked();
    o.skipGameInfo = skipgameinfo->isChecked();
    o.skipDisclaimer = skipdisclaimer->isChecked();
    return o;
}

void TMAMEOpts::setOptions(const zarn::MameOptions& given) {
    const zarn::MameOptions o = zarn::ClampOptions(given);
    usethem->setChecked(o.useSettings);
    rompath->setText(qs(o.romPath));
    romuse->setChecked(o.romPathUse);
    snapshot->setText(qs(o.snapshotDir));
    snapuse->setChecked(o.snapDirUse);
    frameskip->setText(qs(o.frameSkip));
    frameskipauto->setChecked(o.frameSkipAuto);
    scanlines->setChecked(o.scanLines);
    hwstretch->setChecked(o.hwStretch);
    switchres->setChecked(o.switchRes);
    switchbpp->setChecked(o.switchBpp);
    window->setChecked(o.window);
    Effects->setItemIndex(o.effects);
    artwork->setChecked(o.artwork);
    bezels->setChecked(o.bezels);
    overlays->setChecked(o.overlays);
    backdrops->setChecked(o.backdrops);
    norotate->setChecked(o.noRotate);
    autoror->setChecked(o.autoRor);
    autorol->setChecked(o.autoRol);
    ror->setChecked(o.ror);
    rol->setChecked(o.rol);
    flipy->setChecked(o.flipY);
    flipx->setChecked(o.flipX);
    brbar->setValue(o.brightness);
    gbar->setValue(o.gamma);
    direct3d->setChecked(o.direct3d);
    d3dtexmanage->setChecked(o.d3dTexManage);
    d3dfilter->setItemIndex(o.d3dFilter);
    d3dscanbar->setValue(o.d3dScanlines);
    d3deffect->setItemIndex(o.d3dEffect);
    mouse->setChecked(o.mouse);
    joystick->setChecked(o.joystick);
    lightgun->setChecked(o.lightgun);
    steadykey->setChecked(o.steadyKey);
    ledemul->setChecked(o.ledEmul);
    wantctrlr->setChecked(o.useController);
    ctrlredt->setText(qs(o.controllerName));
    volbar->setValue(o.volDb);
    SRate->setEditText(qs(o.sampleRate));
    cheats->setChecked(o.cheats);
    skipgameinfo->setChecked(o.skipGameInfo);
    skipdisclaimer->setChecked(o.skipDisclaimer);
    // A value equal to the old one sends no change signal; the labels follow either way.
    brbarChange();
    gbarChange();
    volbarChange();
    d3dscanbarChange();
    frameskipautoClick();
}

void TMAMEOpts::LoadOptions() { setOptions(zarn::LoadMameOptions(ctx_)); }

void TMAMEOpts::SaveOptions() {
    zarn::MameOptions o = options();
    // Saving fills an empty sample rate; the control shows what was written.
    zarn::SaveMameOptions(o, ctx_);
    if (SRate->currentText().isEmpty())
        SRate->setEditText(qs(o.sampleRate));
}

void TMAMEOpts::BuildOptionArgs() { OptionArgs = zarn::BuildOptionArgs(options()); }

void TMAMEOpts::MOKBtnClick() {
    // The dialog closes even when the settings file refuses the write; the error is shown after.
    accept();
    SaveOptions();
}

void TMAMEOpts::reject() {}

void TMAMEOpts::brbarChange() { brightness->setText(qs(zarn::TenthsText(brbar->value(), decimalSeparator()))); }

void TMAMEOpts::gbarChange() { gamma->setText(qs(zarn::TenthsText(gbar->value(), decimalSeparator()))); }

void TMAMEOpts::volbarChange() { Volume->setText(qs(zarn::VolumeText(volbar->value()))); }

void TMAMEOpts::d3dscanbarChange() { scanlbl->setText(qs(zarn::ScanlineText(d3dscanbar->value()))); }

void TMAMEOpts::frameskipautoClick() { frameskip->setEnabled(!frameskipauto->isChecked()); }

void TMAMEOpts::SRateKeyPress(QChar) {}

bool TMAMEOpts::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SRate->lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Characters (Backspace and pasting included) go nowhere; Delete and the arrows still work.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Delete) {
            SRateKeyPress(key->text().front());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TMAMEOpts::showEvent(QShowEvent* event) {
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
