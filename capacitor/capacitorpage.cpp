#include "capacitor/capacitorpage.h"

#include "app/banddigits.h"
#include "app/feedback.h"
#include "app/fonts.h"
#include "ui_mainform.h"

#include <QLineEdit>

namespace kolvane {
namespace {

CodePageControls CapacitorControls(Ui::TMainForm& ui)
{
    CodePageControls c;
    c.valueBands = {ui.Shape6, ui.Shape7, ui.Shape8, ui.Shape9};
    c.toleranceBand = ui.Shape10;
    c.toleranceList = ui.ComboBox2;
    c.fourBands = ui.RadioButton4;
    c.valueLabel = ui.Label3;
    c.valueField = ui.Edit2;
    c.unitButtons = {ui.RadioButton10, ui.RadioButton9, ui.RadioButton8};
    c.calculate = ui.Button2;
    return c;
}

} // namespace

CapacitorPage::CapacitorPage(Ui::TMainForm& ui, QWidget* owner, QObject* parent)
    : ColourCodePage(CapacitorControls(ui), CapacitorUnits(), std::span(BandDigits).subspan(3, 3),
                     CapacitorMultiplier, owner, parent)
{
    const QColor navy(0, 0, 128);
    const QString sans = QStringLiteral("MS Sans Serif");
    const QString verdana = QStringLiteral("Verdana");
    for (QWidget* box : {ui.GroupBox5, ui.GroupBox6, ui.GroupBox7, ui.GroupBox10})
        ApplyPixelFont(box, sans, 13, false, navy);
    for (QWidget* radio : {ui.RadioButton3, ui.RadioButton4})
        ApplyPixelFont(radio, verdana, 13, true, Qt::black);
    ApplyPixelFont(ui.ComboBox2, verdana, 13, false, Qt::black);
    ApplyPixelFont(ui.Label3, verdana, 11, true, Qt::black);
    ApplyPixelFont(ui.Edit2, verdana, 13, false, QColor(0, 0, 128));
    for (QWidget* unit : {ui.RadioButton8, ui.RadioButton9, ui.RadioButton10})
        ApplyPixelFont(unit, verdana, 11, true, Qt::black);

    const BandColour cream = 0xF0FBFF;
    ui.Shape13->setBrushColour(FromArgb(ui.Shape13->palette().color(QPalette::Button).rgb()));
    ui.Shape13->setPen(cream, 3);
    for (TShape* lead : {ui.Shape16, ui.Shape17}) {
        lead->setBrushColour(cream);
        lead->setPen(cream, 1);
    }

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
    DescribeBands();
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
