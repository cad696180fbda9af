#pragma once

#include <QIcon>

#include <vector>

// GridImlist: the seven 16x16 status icons, numbered by status code.
std::vector<QIcon> statusIcons();

// ImageList1: the 16 tool-bar and menu images, taken from the desktop theme where it has a
// matching icon, otherwise drawn.
QIcon toolIcon(int index);
