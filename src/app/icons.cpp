#include "app/icons.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap blank16() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A round badge in the meaning's colour with a one-character mark.
QIcon badge(const QColor& fill, const QString& mark) {
    QPixmap pixmap = blank16();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fill.darker(160), 1));
    p.setBrush(fill);
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    QFont font = p.font();
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(fill.lightness() > 150 ? Qt::black : Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, mark);
    return QIcon(pixmap);
}

} // namespace

std::vector<QIcon> statusIcons() {
    return {
        badge(QColor(0, 170, 0), QStringLiteral("\u2713")),   // 0 good
        badge(QColor(210, 30, 30), QStringLiteral("!")),      // 1 found, not working
        badge(QColor(150, 150, 150), QString()),              // 2 never written
        badge(QColor(240, 200, 0), QStringLiteral("*")),      // 3 best available
        badge(QColor(60, 60, 60), QStringLiteral("\u00d7")),  // 4 not found
        badge(QColor(150, 150, 150), QString()),              // 5 never written
        badge(QColor(40, 110, 220), QStringLiteral("?")),     // 6 unknown condition
    };
}

QIcon toolIcon(int index) {
    struct Entry {
        const char* theme;
        QColor colour;
        const char* mark;
    };
    static const Entry entries[16] = {
        {"utilities-terminal", QColor(60, 60, 60), ">"},   // 0 console
        {"document-open", QColor(120, 120, 120), "O"},     // 1
        {"document-save", QColor(120, 120, 120), "S"},     // 2
        {"x-office-spreadsheet", QColor(0, 120, 200), "#"}, // 3 statistics
        {"preferences-system", QColor(120, 120, 120), "P"}, // 4
        {"folder", QColor(200, 160, 40), "F"},              // 5
        {"view-refresh", QColor(0, 150, 0), "R"},           // 6
        {"edit-copy", QColor(120, 120, 120), "C"},          // 7
        {"help-about", QColor(0, 100, 200), "i"},           // 8
        {"edit-find", QColor(0, 100, 200), "?"},            // 9 search
        {"go-down", QColor(0, 100, 200), "\u2193"},         // 10 find next
        {"go-up", QColor(0, 100, 200), "\u2191"},           // 11 find previous
        {"help-contents", QColor(0, 100, 200), "H"},        // 12
        {"media-playback-start", QColor(0, 160, 0), "\u25b6"}, // 13 play
        {"process-stop", QColor(200, 0, 0), "\u25a0"},      // 14 kill
        {"dialog-information", QColor(240, 200, 0), "L"},  // 15 legend
    };
    if (index < 0 || index >= 16)
        return {};
    const Entry& e = entries[index];
    return QIcon::fromTheme(QString::fromLatin1(e.theme),
                            badge(e.colour, QString::fromUtf8(e.mark)));
}
