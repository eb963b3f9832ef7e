#include "app/WindowFrontend.h"

#include "app/MessageBoxes.h"
#include "app/dlg_Progressing.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QStringDecoder>

namespace pondus {

namespace {

// An export asks for a repaint at every record; the eye needs far fewer.
constexpr qint64 RepaintIntervalMs = 40;

} // namespace

QString decodeText(std::string_view bytes) {
    QStringDecoder system(QStringDecoder::System, QStringConverter::Flag::Stateless);
    QString text = system.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!system.hasError())
        return text;
    // Shop data in a single-byte code page on a system whose locale is UTF-8:
    // show each byte as its own character rather than as a replacement mark.
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string encodeText(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

WindowFrontend::WindowFrontend(FrontendWidgets widgets, MessageBoxes& boxes)
    : m_widgets(widgets), m_boxes(boxes) {}

WindowFrontend::~WindowFrontend() = default;

void WindowFrontend::showProgress() {
    m_progress = std::make_unique<TdlgProgressing>(m_widgets.window);
    m_progress->show();
    repaint();
}

void WindowFrontend::setProgress(int percent) {
    if (m_progress)
        m_progress->setPercent(percent);
}

void WindowFrontend::closeProgress() {
    flushLogs();
    m_progress.reset();
}

void WindowFrontend::repaint() {
    if (m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < RepaintIntervalMs)
        return;
    m_sinceRepaint.start();
    flushLogs();
    m_widgets.window->repaint();
    if (m_progress)
        m_progress->repaint();
    // Paint and other queued work only: the operator's clicks and keys wait in
    // the queue until the running action has returned.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void WindowFrontend::clearLogs() {
    m_pendingLog1.clear();
    m_pendingLog2.clear();
    m_widgets.memo1->clear();
    m_widgets.memo2->clear();
}

void WindowFrontend::appendLog1(std::string_view line) {
    m_pendingLog1.append(decodeText(line));
}

void WindowFrontend::appendLog2(std::string_view line) {
    m_pendingLog2.append(decodeText(line));
}

void WindowFrontend::flushLogs() {
    if (!m_pendingLog1.isEmpty())
        m_widgets.memo1->appendPlainText(m_pendingLog1.join('\n'));
    if (!m_pendingLog2.isEmpty())
        m_widgets.memo2->appendPlainText(m_pendingLog2.join('\n'));
    m_pendingLog1.clear();
    m_pendingLog2.clear();
}

void WindowFrontend::setSendEnabled(bool enabled) {
    m_widgets.sendButton->setEnabled(enabled);
}

void WindowFrontend::setCancelEnabled(bool enabled) {
    m_widgets.cancelButton->setEnabled(enabled);
}

void WindowFrontend::showErrorMessage(std::string_view text) {
    flushLogs();
    m_boxes.error(decodeText(text));
}

void WindowFrontend::showErrorReport(std::string_view text) {
    flushLogs();
    m_boxes.report(decodeText(text));
}

void WindowFrontend::showMessage(std::string_view text) {
    flushLogs();
    m_boxes.information(decodeText(text));
}

} // namespace pondus
