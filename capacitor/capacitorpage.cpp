#include "capacitorpage.h"

#include "banddigits.h"
#include "feedback.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>

#include <QLineEdit>

namespace kolvane {

CapacitorPage::CapacitorPage(const CapacitorControls& controls, QWidget* owner, QObject* parent)
    : ColourCodePage(controls.code, CapacitorUnits(), Quantity::Capacitance, std::span(BandDigits).subspan(3, 3),
                     CapacitorMultiplier, owner, parent)
{
    // A list with an edit part that shows "20%" while no item is selected; the edit
    // part takes no typing, so the text changes only with the selection.
    controls.code.toleranceList->setEditable(true);
    controls.code.toleranceList->lineEdit()->setReadOnly(true);
    controls.code.toleranceList->setCurrentIndex(-1);
    controls.code.toleranceList->setEditText(QStringLiteral("20%"));

    connect(controls.calculate, &QAbstractButton::clicked, this, Guarded(owner, [this](bool) { Button2Click(); }));
    connect(controls.code.fourBands, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton4Click();
    });
    connect(controls.fiveBands, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton3Click();
    });
    connect(controls.code.toleranceList, &QComboBox::activated, this, &CapacitorPage::ComboBox2Change);
}

void CapacitorPage::RecomputeCapacitor()
{
    Recompute();
}

void CapacitorPage::Button2Click()
{
    Calculate();
}

void CapacitorPage::RadioButton4Click()
{
    SwitchBandCount();
}

void CapacitorPage::RadioButton3Click()
{
    SwitchBandCount();
}

void CapacitorPage::ComboBox2Change(int index)
{
    ToleranceChosen(index);
}

} // namespace kolvane
