#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <functional>
#include <vector>

class QButtonGroup;
class QStandardItemModel;

namespace pondus {

// A label that acts as a button: a click (press and release over it) emits clicked.
class ClickLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A group of exclusive choices whose position is -1 (no choice) or the index of
// the chosen item.
class ChoiceGroup : public QGroupBox {
    Q_OBJECT

public:
    ChoiceGroup(const QString& title, const QStringList& items, QWidget* parent);

    int position() const;
    void setPosition(int position);

private:
    QButtonGroup* m_buttons;
};

// One row of a lookup selector's list, as shown.
using LookupRow = QStringList;

// An editable selector whose drop-down list is a table with titled columns,
// filled afresh each time the list is opened. Choosing a row puts its first
// column into the text; the text may also be typed, and typing never opens the
// list.
class LookupCombo : public QComboBox {
    Q_OBJECT

public:
    using RowSource = std::function<std::vector<LookupRow>()>;
    // widths: of each column, in characters.
    LookupCombo(const QStringList& titles, const std::vector<int>& widths, QWidget* parent);

    void setRowSource(RowSource source) { m_rows = std::move(source); }
    void showPopup() override;

private:
    QStandardItemModel* m_model;
    RowSource m_rows;
};

// The status bar's panels, side by side with fixed widths.
class StatusPanels : public QWidget {
    Q_OBJECT

public:
    StatusPanels(const std::vector<int>& widths, QWidget* parent);

    void setPanelText(int index, const QString& text);
    QString panelText(int index) const;

private:
    std::vector<QLabel*> m_panels;
};

} // namespace pondus
