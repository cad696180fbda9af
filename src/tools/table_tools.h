#pragma once

#include "tools/sort.h"

#include <QObject>
#include <QString>

class TForm1;
class GameHeaderView;
class SearchHighlightDelegate;

// What the table tools keep for the main window's grid: the sort keys and their header marks,
// the search highlight, the stretching of the last column and the export dialog's last type.
class TableTools : public QObject {
    Q_OBJECT
public:
    explicit TableTools(TForm1* form);

    GameHeaderView* header() const;
    SearchHighlightDelegate* highlight() const { return highlight_; }
    const zarn::SortKeyList& sortKeys() const { return keys_; }

    // A header click on a column (the header has checked where the click landed).
    void headerClicked(int logical, bool shift);
    // Gives the last shown column the room the others leave, or the default width.
    void stretchLastColumn();

    // The logical columns shown, in display order.
    std::vector<int> shownColumnsInDisplayOrder() const;

    QString lastExportFilter;

    // Numbers and dates of the user's locale.
    static zarn::SortLocale sortLocale();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TForm1* form_;
    SearchHighlightDelegate* highlight_;
    zarn::SortKeyList keys_;
    bool stretching_ = false;
};

// Sets the tools up on the main window's grid (its header must be a GameHeaderView).
void installTableTools(TForm1* form);
// The tools of the main window.
TableTools* tableTools(TForm1* form);
