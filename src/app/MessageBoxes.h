#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace pondus {

// Runs a modal dialog and returns its result. The window runs every box, picker
// and viewer through one of these, so that tests can answer them.
using ModalRunner = std::function<int(QDialog&)>;
int execModal(QDialog& dialog);

// The program's message boxes, each with a single OK button.
class MessageBoxes {
public:
    MessageBoxes(QWidget* parent, ModalRunner runner);

    // The error message box: caption "Error", error icon.
    void error(const QString& text);
    // The general error report: caption "Pondus", error icon.
    void report(const QString& text);
    // A plain message such as "Data Export Completed": caption "Pondus".
    void information(const QString& text);

    int run(QDialog& dialog) { return m_runner(dialog); }

private:
    QWidget* m_parent;
    ModalRunner m_runner;
};

} // namespace pondus
