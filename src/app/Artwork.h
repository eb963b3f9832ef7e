#pragma once

#include <QIcon>
#include <QPixmap>

namespace pondus {

struct Theme;

// The window's pictures, drawn at run time in the colours of the look.

// The banner across the top of the Scale page: a scale, the program's name and
// the line under it in white.
QPixmap scaleHeaderPicture(QSize size, const QString& line, const Theme& look);
// The banner of the Options page; its title is a label laid over it.
QPixmap optionHeaderPicture(QSize size, const Theme& look);

QIcon applicationIcon();
QIcon optionIcon(const Theme& look); // "Scale Option"
QIcon logIcon(const Theme& look);    // "View Log"
QIcon closeIcon();                   // "Close"
QIcon saveIcon(const Theme& look);   // the save-file picker button

} // namespace pondus
