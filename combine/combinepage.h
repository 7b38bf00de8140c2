// The "Amount of resistors" and "Amount of capasitor" pages: four two-value
// calculators, each with its circuit diagram.
#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace Ui {
class TMainForm;
}

namespace kolvane {

class CombinePage : public QObject {
    Q_OBJECT
public:
    // Wires the four "General" buttons, the key filters, the fonts and the diagrams
    // of the controls that the main window's layout already holds.
    CombinePage(Ui::TMainForm& ui, QWidget* owner, QObject* parent);

public slots:
    void Button3Click(); // resistors in series: sum
    void Button4Click(); // resistors in parallel: product over sum
    void Button5Click(); // capacitors in series: product over sum
    void Button6Click(); // capacitors in parallel: sum

private:
    enum class Rule { Sum, ProductOverSum };
    static void Calculate(QLineEdit* first, QLineEdit* second, QLineEdit* result, Rule rule);

    Ui::TMainForm& m_ui;
};

} // namespace kolvane
