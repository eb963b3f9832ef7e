#pragma once

#include <QColor>
#include <QString>
#include <vector>

namespace pondus {

// A look of the window: the colours of its pictures and, for a theme chosen by
// Setup.ini [File] Theme_Skin, a style sheet over the whole window.
struct Theme {
    QString name;
    QColor dark;  // header pictures, the big target panel, titles
    QColor light; // the light end of their gradients
    QColor page;  // page background
    QColor text;  // text on the pages
};

// The look without a theme: the window's own pictures over the plain style.
const Theme& plainLook();

// The themes that Theme_Skin selects from 1 on.
const std::vector<Theme>& themeList();

// The theme at a Theme_Skin position; none for 0 or less, or past the list.
const Theme* themeAt(int position);

QString themeStyleSheet(const Theme& theme);

} // namespace pondus
