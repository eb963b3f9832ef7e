#include "app/MessageBoxes.h"

#include "shell/Startup.h"

#include <QDialog>
#include <QMessageBox>

namespace pondus {

namespace {

void showBox(MessageBoxes& boxes, QWidget* parent, QMessageBox::Icon icon, const QString& caption,
             const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    boxes.run(box);
}

} // namespace

int execModal(QDialog& dialog) {
    return dialog.exec();
}

MessageBoxes::MessageBoxes(QWidget* parent, ModalRunner runner)
    : m_parent(parent), m_runner(std::move(runner)) {}

void MessageBoxes::error(const QString& text) {
    showBox(*this, m_parent, QMessageBox::Critical, "Error", text);
}

void MessageBoxes::report(const QString& text) {
    showBox(*this, m_parent, QMessageBox::Critical, ApplicationTitle, text);
}

void MessageBoxes::information(const QString& text) {
    showBox(*this, m_parent, QMessageBox::Information, ApplicationTitle, text);
}

} // namespace pondus
