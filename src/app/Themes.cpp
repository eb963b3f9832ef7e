#include "app/Themes.h"

namespace pondus {

const Theme& plainLook() {
    static const Theme look{"", QColor(0x17, 0x4a, 0x7c), QColor(0x3a, 0x8d, 0xc8), QColor(),
                            QColor()};
    return look;
}

const std::vector<Theme>& themeList() {
    static const std::vector<Theme> themes = {
        {"Harbour", QColor(0x12, 0x3f, 0x6b), QColor(0x2e, 0x86, 0xc1), QColor(0xee, 0xf3, 0xf8),
         QColor(0x1b, 0x2a, 0x3a)},
        {"Meadow", QColor(0x1e, 0x5c, 0x3a), QColor(0x4c, 0xa8, 0x6a), QColor(0xf0, 0xf6, 0xef),
         QColor(0x1f, 0x33, 0x24)},
        {"Copper", QColor(0x7a, 0x36, 0x14), QColor(0xd0, 0x7a, 0x3a), QColor(0xfa, 0xf3, 0xec),
         QColor(0x3a, 0x24, 0x18)},
        {"Graphite", QColor(0x2b, 0x31, 0x38), QColor(0x5d, 0x6b, 0x7a), QColor(0xe9, 0xeb, 0xee),
         QColor(0x20, 0x24, 0x28)},
    };
    return themes;
}

const Theme* themeAt(int position) {
    const std::vector<Theme>& themes = themeList();
    if (position < 1 || position > int(themes.size()))
        return nullptr;
    return &themes[size_t(position - 1)];
}

QString themeStyleSheet(const Theme& theme) {
    const QString dark = theme.dark.name();
    const QString light = theme.light.name();
    const QString page = theme.page.name();
    const QString text = theme.text.name();
    return QString(R"(
QWidget#ScalePage, QWidget#OptionPage, QWidget#LogPage { background: %3; }
QWidget#ScalePage QLabel, QWidget#OptionPage QLabel, QCheckBox, QRadioButton { color: %4; }
QCheckBox:disabled, QRadioButton:disabled { color: #8a949e; }
QGroupBox { color: %1; font-weight: bold; }
QPushButton {
    color: white; border: 1px solid %1; border-radius: 3px; padding: 4px 16px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %2, stop:1 %1);
}
QPushButton:hover { background: %2; }
QPushButton:disabled { color: #d0d0d0; background: #9aa3ad; border-color: #9aa3ad; }
QToolButton#lblISchida2, QToolButton#lblISchida3, QToolButton#lblISchida4 { color: %1; }
QStatusBar { background: %3; color: %4; }
)")
        .arg(dark, light, page, text);
}

} // namespace pondus
