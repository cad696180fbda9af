// Following the selected row: the line number, the settling timer, the picture and BioBox.
#include "app/main_window.h"

#include "media/picture_lookup.h"
#include "media/picture_view.h"
#include "table/cell_text.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableView>
#include <QTimer>

void TForm1::GridSelectCell(int /*column*/, int row) {
    setStatus(2, "Line " + std::to_string(row));
    // Scrolling through many rows looks up only the row the selection rests on.
    GridTimer->stop();
    GridTimer->start();
}

void TForm1::GridTimerTimer() {
    GridTimer->stop();
    const QModelIndex current = Grid->currentIndex();
    const int row = currentRow();
    if (current.isValid())
        showImage(current.column(), row);
    else
        showImage(-1, -1);

    auto cell = [&](const char* header) -> std::string {
        const int column = zarn::ColumnIndex(header);
        if (row < 1 || row >= table_.rowCount() || column < 0 || column >= table_.columnCount())
            return {};
        return table_.cell(column, row);
    };
    BioBox->setPlainText(cellToDisplay(cell("Info")) + QLatin1Char('\n') + cellToDisplay(cell("Bio")));
}

void TForm1::TabControl1Change() { showImage(-1, -1); }

void TForm1::showImage(int col, int row) {
    if (col >= 0 && row >= 0)
        pictureRow_ = row;
    if (!TableReady)
        return;

    const zarn::PathSettings settings = paths();
    const std::string folder = zarn::PictureFolder(settings, TabControl1->currentIndex());
    const std::string file = zarn::FindPicture(table_, pictureRow_, folder, settings);
    std::string caption;
    if (!file.empty()) {
        // A file that does not decode leaves the picture empty; its name still tells which one.
        ImageEn1->loadFile(QFile::decodeName(QByteArray::fromStdString(file)));
        caption = zarn::PictureCaption(file);
    } else {
        ImageEn1->setBackground(palette().color(QPalette::Window));
        ImageEn1->clear();
    }
    ImgLbl->setText(cellToDisplay(caption));
    ImgLbl->setToolTip(ImgLbl->text());
    ImgLbl->adjustSize();
    ImageEn1->placeCorner();
}
