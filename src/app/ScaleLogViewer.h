#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace pondus {

// The modal, read-only viewer of the View Log action, with a find bar.
class ScaleLogViewer : public QDialog {
    Q_OBJECT

public:
    ScaleLogViewer(const QString& caption, const QString& text, const QFont& font, QWidget* parent);

    // Selects the next occurrence of the find text after the cursor, going
    // round to the top once; false when the text does not occur.
    bool findNext();

private:
    QPlainTextEdit* m_text;
    QLineEdit* m_find;
    QLabel* m_status;
};

} // namespace pondus
