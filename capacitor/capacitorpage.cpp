#include "capacitor/capacitorpage.h"

#include "app/banddigits.h"
#include "app/feedback.h"
#include "ui_mainform.h"

#include <QLineEdit>

namespace kolvane {
namespace {

CodePageControls CapacitorControls(Ui::TMainForm& ui)
{
    CodePageControls c;
    c.groupBoxes = {ui.GroupBox5, ui.GroupBox6, ui.GroupBox7, ui.GroupBox10};
    c.body = ui.Shape13;
    c.leads = {ui.Shape16, ui.Shape17};
    c.bandCountButtons = {ui.RadioButton3, ui.RadioButton4};
    c.valueBands = {ui.Shape6, ui.Shape7, ui.Shape8, ui.Shape9};
    c.toleranceBand = ui.Shape10;
    c.toleranceList = ui.ComboBox2;
    c.fourBands = ui.RadioButton4;
    c.valueLabel = ui.Label3;
    c.valueField = ui.Edit2;
    c.valueFieldColour = QColor(0, 0, 128);
    c.unitButtons = {ui.RadioButton10, ui.RadioButton9, ui.RadioButton8};
    return c;
}

} // namespace

CapacitorPage::CapacitorPage(Ui::TMainForm& ui, QWidget* owner, QObject* parent)
    : ColourCodePage(CapacitorControls(ui), CapacitorUnits(), std::span(BandDigits).subspan(3, 3),
                     CapacitorMultiplier, owner, parent)
{
    // A list with an edit part that shows "20%" while no item is selected; the edit
    // part takes no typing, so the text changes only with the selection.
    ui.ComboBox2->setEditable(true);
    ui.ComboBox2->lineEdit()->setReadOnly(true);
    ui.ComboBox2->setCurrentIndex(-1);
    ui.ComboBox2->setEditText(QStringLiteral("20%"));

    connect(ui.Button2, &QPushButton::clicked, this, Guarded(owner, [this](bool) { Button2Click(); }));
    connect(ui.RadioButton4, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton4Click(); });
    connect(ui.RadioButton3, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton3Click(); });
    connect(ui.ComboBox2, &QComboBox::activated, this, &CapacitorPage::ComboBox2Change);
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
