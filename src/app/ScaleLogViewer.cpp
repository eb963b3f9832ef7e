#include "app/ScaleLogViewer.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextCursor>
#include <QVBoxLayout>

namespace pondus {

ScaleLogViewer::ScaleLogViewer(const QString& caption, const QString& text, const QFont& font,
                               QWidget* parent)
    : QDialog(parent), m_text(new QPlainTextEdit(this)), m_find(new QLineEdit(this)),
      m_status(new QLabel(this)) {
    setObjectName("ScaleLogViewer");
    setWindowTitle(caption);
    setModal(true);
    resize(680, 500);

    m_text->setObjectName("ViewerText");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(font);
    m_text->setPlainText(text);

    m_find->setObjectName("FindText");
    m_find->setPlaceholderText("Find");
    m_find->setClearButtonEnabled(true);
    auto* findButton = new QPushButton("Find &Next", this);
    findButton->setObjectName("FindNext");
    findButton->setAutoDefault(false);
    auto* closeButtons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* findLabel = new QLabel("&Find:", this);
    findLabel->setBuddy(m_find);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(findLabel);
    bottom->addWidget(m_find, 1);
    bottom->addWidget(findButton);
    bottom->addWidget(m_status, 1);
    bottom->addWidget(closeButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addLayout(bottom);

    connect(findButton, &QPushButton::clicked, this, &ScaleLogViewer::findNext);
    connect(m_find, &QLineEdit::returnPressed, this, &ScaleLogViewer::findNext);
    connect(closeButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        m_find->setFocus();
        m_find->selectAll();
    });
    connect(new QShortcut(QKeySequence::FindNext, this), &QShortcut::activated, this,
            &ScaleLogViewer::findNext);
}

bool ScaleLogViewer::findNext() {
    const QString wanted = m_find->text();
    if (wanted.isEmpty())
        return false;
    bool found = m_text->find(wanted);
    if (!found) {
        m_text->moveCursor(QTextCursor::Start);
        found = m_text->find(wanted);
    }
    m_status->setText(found ? QString() : QString("\"%1\" not found").arg(wanted));
    return found;
}

} // namespace pondus
