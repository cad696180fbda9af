#include "settings/paths_dialog.h"

#include "app/paths.h"
#include "app/ui.h"
#include "settings/auto_fill.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QString qs(const std::string& s) { return QString::fromStdString(s); }
std::string ss(const QString& s) { return s.toStdString(); }

} // namespace

TSettingsFrm::TSettingsFrm(QWidget* owner, const zarn::AppContext& ctx, zarn::Ui& ui)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      ctx_(ctx), ui_(ui) {
    setObjectName(QStringLiteral("SettingsFrm"));
    setWindowTitle(QStringLiteral("Z.A.R.N. Settings"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);

    auto* exeGroup = new QGroupBox(QStringLiteral("Mame Executable  Location"), this);
    auto* exeLayout = new QVBoxLayout(exeGroup);
    MLocationEdit = new QLineEdit(exeGroup);
    exeLayout->addWidget(MLocationEdit);
    exeLayout->addWidget(new QLabel(
        QStringLiteral("example: c:\\mame\\mame.exe  \n"
                       "UNC paths are also allowed.E.g.\\\\hostname\\sharename\\mame.exe"),
        exeGroup));
    layout->addWidget(exeGroup);

    auto* imageGroup = new QGroupBox(QStringLiteral("Fullpath Image locations"), this);
    auto* imageLayout = new QGridLayout(imageGroup);
    auto addFolderRow = [&](int row, const QString& label) {
        auto* edit = new QLineEdit(imageGroup);
        imageLayout->addWidget(edit, row, 0);
        imageLayout->addWidget(new QLabel(label, imageGroup), row, 1);
        return edit;
    };
    ArtworkEdt = addFolderRow(0, QStringLiteral("Artwork Directory"));
    CabinetEdt = addFolderRow(1, QStringLiteral("Cabinet Directory"));
    FlyerEdt = addFolderRow(2, QStringLiteral("Flyer Directory"));
    SnapshotEdt = addFolderRow(3, QStringLiteral("Snapshot Directory"));
    layout->addWidget(imageGroup);

    auto* typeGroup = new QGroupBox(QStringLiteral("Search For:"), this);
    auto* typeLayout = new QHBoxLayout(typeGroup);
    auto addType = [&](const QString& caption, bool ticked) {
        auto* box = new QCheckBox(caption, typeGroup);
        box->setChecked(ticked);
        typeLayout->addWidget(box);
        return box;
    };
    png = addType(QStringLiteral(".png"), true);
    jpg = addType(QStringLiteral(".jpg"), true);
    tif = addType(QStringLiteral(".tif"), false);
    gif = addType(QStringLiteral(".gif"), false);
    bmp = addType(QStringLiteral(".bmp"), false);
    ico = addType(QStringLiteral(".ico"), false);
    layout->addWidget(typeGroup);

    auto* histGroup = new QGroupBox(QStringLiteral("History.dat Location"), this);
    auto* histLayout = new QVBoxLayout(histGroup);
    HistEdt = new QLineEdit(histGroup);
    HistEdt->installEventFilter(this);
    histLayout->addWidget(HistEdt);
    layout->addWidget(histGroup);

    auto* noteRow = new QHBoxLayout;
    auto* note = new QLabel(QStringLiteral("Note: only the \"Mame Executable Location\" is mandatory"), this);
    note->setWordWrap(true);
    noteRow->addWidget(note, 1);
    AutoExtract = new QCheckBox(QStringLiteral("Refresh gamelist at startup"), this);
    noteRow->addWidget(AutoExtract);
    layout->addLayout(noteRow);

    auto* buttons = new QHBoxLayout;
    AutoFillBtn = new QPushButton(QStringLiteral("Auto Fill"), this);
    QFont bold = AutoFillBtn->font();
    bold.setBold(true);
    AutoFillBtn->setFont(bold);
    AutoFillBtn->setStyleSheet(QStringLiteral("color: maroon;"));
    AutoFillBtn->setAutoDefault(false);
    SCancelBtn = new QPushButton(QStringLiteral("Close"), this);
    SCancelBtn->setAutoDefault(false);
    SOkBtn = new QPushButton(QStringLiteral("Close && &Save"), this);
    SOkBtn->setDefault(true);
    buttons->addWidget(AutoFillBtn);
    buttons->addStretch(1);
    buttons->addWidget(SCancelBtn);
    buttons->addWidget(SOkBtn);
    layout->addLayout(buttons);

    // Tab order: executable, image folders, types, history, refresh box, save, close, auto fill.
    QWidget::setTabOrder(MLocationEdit, ArtworkEdt);
    QWidget::setTabOrder(ArtworkEdt, CabinetEdt);
    QWidget::setTabOrder(CabinetEdt, FlyerEdt);
    QWidget::setTabOrder(FlyerEdt, SnapshotEdt);
    QWidget::setTabOrder(SnapshotEdt, png);
    QWidget::setTabOrder(png, jpg);
    QWidget::setTabOrder(jpg, tif);
    QWidget::setTabOrder(tif, gif);
    QWidget::setTabOrder(gif, bmp);
    QWidget::setTabOrder(bmp, ico);
    QWidget::setTabOrder(ico, HistEdt);
    QWidget::setTabOrder(HistEdt, AutoExtract);
    QWidget::setTabOrder(AutoExtract, SOkBtn);
    QWidget::setTabOrder(SOkBtn, SCancelBtn);
    QWidget::setTabOrder(SCancelBtn, AutoFillBtn);

    connect(SOkBtn, &QPushButton::clicked, this, &TSettingsFrm::SOkBtnClick);
    connect(SCancelBtn, &QPushButton::clicked, this, &TSettingsFrm::SCancelBtnClick);
    connect(AutoFillBtn, &QPushButton::clicked, this, &TSettingsFrm::AutoFillBtnClick);

    resize(374, 388);
}

zarn::PathSettings TSettingsFrm::settings() const {
    zarn::PathSettings s;
    s.executable = ss(MLocationEdit->text());
    s.artwork = ss(ArtworkEdt->text());
    s.cabinet = ss(CabinetEdt->text());
    s.flyers = ss(FlyerEdt->text());
    s.snapshot = ss(SnapshotEdt->text());
    s.history = ss(HistEdt->text());
    s.autoExtract = AutoExtract->isChecked();
    s.png = png->isChecked();
    s.jpg = jpg->isChecked();
    s.tif = tif->isChecked();
    s.gif = gif->isChecked();
    s.bmp = bmp->isChecked();
    s.ico = ico->isChecked();
    return s;
}

void TSettingsFrm::setSettings(const zarn::PathSettings& s) {
    MLocationEdit->setText(qs(s.executable));
    ArtworkEdt->setText(qs(s.artwork));
    CabinetEdt->setText(qs(s.cabinet));
    FlyerEdt->setText(qs(s.flyers));
    SnapshotEdt->setText(qs(s.snapshot));
    HistEdt->setText(qs(s.history));
    AutoExtract->setChecked(s.autoExtract);
    png->setChecked(s.png);
    jpg->setChecked(s.jpg);
    tif->setChecked(s.tif);
    gif->setChecked(s.gif);
    bmp->setChecked(s.bmp);
    ico->setChecked(s.ico);
}

void TSettingsFrm::SOkBtnClick() {
    const std::string executable = ss(MLocationEdit->text());
    if (executable.empty()) {
        accept();
        return;
    }
    int error = 0;
    switch (zarn::entryKind(executable, &error)) {
    case zarn::EntryKind::Missing:
        ui_.showMessage(zarn::systemErrorText(error));
        return;
    case zarn::EntryKind::Folder:
        ui_.showMessage(executable + " is a directory");
        return;
    case zarn::EntryKind::File:
        break;
    }
    accept();
    zarn::SaveSettings(settings(), ctx_, ui_);
}

void TSettingsFrm::SCancelBtnClick() { reject(); }

void TSettingsFrm::HistEdtEnter() {
    const std::string proposed = zarn::ProposedHistoryPath(settings());
    if (!proposed.empty())
        HistEdt->setText(qs(proposed));
}

void TSettingsFrm::AutoFillBtnClick() {
    if (!ui_.askYesNo("This will overwrite current paths. Continue ?"))
        return;
    zarn::PathSettings s = settings();
    std::string error;
    if (!zarn::AutoFillPaths(s, {ctx_.programDir, zarn::systemSearchPath()}, &error)) {
        ui_.showMessage(error);
        return;
    }
    setSettings(s);
}

bool TSettingsFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == HistEdt && event->type() == QEvent::FocusIn)
        HistEdtEnter();
    return QDialog::eventFilter(watched, event);
}

void TSettingsFrm::showEvent(QShowEvent* event) {
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}
