// SPDX-License-Identifier: MIT
// The "Amount of resistors" and "Amount of capasitor" pages: four two-value
// calculators, each with its circuit diagram.
#pragma once

#include <QObject>

#include <array>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace kolvane {

// One two-value calculator: its two fields, the result, "General" and the diagram.
struct CalculatorControls {
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    QLineEdit* result = nullptr;
    QAbstractButton* button = nullptr;
    QLabel* diagram = nullptr;
    // Resistors add in series and capacitors in parallel; the other two calculators
    // take the product over the sum.
    bool sum = false;
    bool capacitors = false;
};

// The controls of both pages, calculators in the order resistors in series, resistors
// in parallel, capacitors in series, capacitors in parallel.
struct CombineControls {
    std::array<QWidget*, 4> groupBoxes{};
    std::array<QLabel*, 12> labels{};
    std::array<CalculatorControls, 4> calculators{};
};

class CombinePage : public QObject {
    Q_OBJECT
public:
    // Wires the four "General" buttons, the key filters, the fonts and the diagrams
    // of the controls that the main window's layout already holds.
    CombinePage(const CombineControls& controls, QWidget* owner, QObject* parent);

    // Writes the total of calculator `index` (0 resistors in series, 1 resistors in
    // parallel, 2 capacitors in series, 3 capacitors in parallel) into its result
    // field. Throws HandlerError when a field holds no whole number or the parallel
    // total divides by zero.
    void calculate(int index);

signals:
    // "Look up…" on a result field: the total it shows, and whether its calculator
    // adds capacitors.
    void lookUpRequested(const QString& text, bool capacitors);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The result field's own menu with "Look up…" after its items.
    void addResultMenu(int index);

    CombineControls m_c;
};

} // namespace kolvane
