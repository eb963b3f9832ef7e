#include "app/dlg_Progressing.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace pondus {

TdlgProgressing::TdlgProgressing(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_gauge(new QProgressBar(this)) {
    setObjectName("dlgProgressing");
    setWindowTitle("Progressing");
    setModal(false);

    auto* caption = new QLabel("Please wait...", this);
    m_gauge->setObjectName("Gauge1");
    m_gauge->setRange(0, 100);
    m_gauge->setValue(0);
    m_gauge->setTextVisible(true);
    m_gauge->setMinimumHeight(22);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 16);
    layout->setSpacing(10);
    layout->addWidget(caption);
    layout->addWidget(m_gauge);

    setFixedSize(340, 96);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TdlgProgressing::setPercent(int percent) {
    m_gauge->setValue(std::clamp(percent, 0, 100));
}

} // namespace pondus
