#include "app/Controls.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace pondus {

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

ChoiceGroup::ChoiceGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(12, 6, 8, 6);
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items[index], this);
        m_buttons->addButton(button, index);
        layout->addWidget(button);
    }
}

int ChoiceGroup::position() const {
    return m_buttons->checkedId();
}

void ChoiceGroup::setPosition(int position) {
    if (QAbstractButton* button = m_buttons->button(position)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last choice by itself.
    m_buttons->setExclusive(false);
    for (QAbstractButton* button : m_buttons->buttons())
        button->setChecked(false);
    m_buttons->setExclusive(true);
}

LookupCombo::LookupCombo(const QStringList& titles, const std::vector<int>& widths, QWidget* parent)
    : QComboBox(parent), m_model(new QStandardItemModel(0, int(titles.size()), this)) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    m_model->setHorizontalHeaderLabels(titles);
    setModel(m_model);

    auto* table = new QTableView(this);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setShowGrid(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setView(table);

    const int character = table->fontMetrics().averageCharWidth();
    int total = 0;
    for (size_t column = 0; column < widths.size(); ++column) {
        int width = widths[column] * character + 8;
        table->setColumnWidth(int(column), width);
        total += width;
    }
    table->setMinimumWidth(total + table->verticalScrollBar()->sizeHint().width() + 4);
}

void LookupCombo::showPopup() {
    // Refilling the model would otherwise replace what the operator typed.
    const QString text = currentText();
    m_model->removeRows(0, m_model->rowCount());
    if (m_rows)
        for (const LookupRow& row : m_rows()) {
            QList<QStandardItem*> items;
            for (const QString& cell : row)
                items.append(new QStandardItem(cell));
            m_model->appendRow(items);
        }
    setCurrentIndex(findText(text));
    setEditText(text);
    QComboBox::showPopup();
}

StatusPanels::StatusPanels(const std::vector<int>& widths, QWidget* parent) : QWidget(parent) {
    int left = 0;
    for (int width : widths) {
        auto* panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(left, 0, width - 2, 20);
        panel->setContentsMargins(3, 0, 3, 0);
        QFont small = panel->font();
        small.setPixelSize(11);
        panel->setFont(small);
        // The first panel holds a caption line; the others are centred.
        if (!m_panels.empty())
            panel->setAlignment(Qt::AlignCenter);
        m_panels.push_back(panel);
        left += width;
    }
    setFixedHeight(20);
}

void StatusPanels::setPanelText(int index, const QString& text) {
    m_panels[size_t(index)]->setText(text);
}

QString StatusPanels::panelText(int index) const {
    return m_panels[size_t(index)]->text();
}

} // namespace pondus
