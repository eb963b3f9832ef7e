#pragma once

#include <QDialog>

class QProgressBar;

namespace pondus {

// "Progressing": a small fixed-size dialog, centred on the screen, whose gauge
// Gauge1 shows the export's progress from 0 to 100. It is shown without being
// modal while an export or the text conversion runs.
class TdlgProgressing : public QDialog {
    Q_OBJECT

public:
    explicit TdlgProgressing(QWidget* parent);

    void setPercent(int percent);

private:
    QProgressBar* m_gauge;
};

} // namespace pondus
