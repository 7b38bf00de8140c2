#include "resistor/resistorpage.h"

#include "app/banddigits.h"
#include "app/feedback.h"
#include "app/fonts.h"
#include "app/keyfilters.h"
#include "ui_mainform.h"

namespace kolvane {
namespace {

CodePageControls ResistorControls(Ui::TMainForm& ui)
{
    CodePageControls c;
    c.groupBoxes = {ui.GroupBox1, ui.GroupBox2, ui.GroupBox3, ui.GroupBox4, ui.GroupBox8};
    c.body = ui.Shape12;
    c.leads = {ui.Shape14, ui.Shape15};
    c.bandCountButtons = {ui.RadioButton1, ui.RadioButton2, ui.RadioButton11};
    c.valueBands = {ui.Shape1, ui.Shape2, ui.Shape3, ui.Shape4};
    c.toleranceBand = ui.Shape5;
    c.toleranceList = ui.ComboBox1;
    c.fourBands = ui.RadioButton1;
    c.valueLabel = ui.Label1;
    c.valueField = ui.Edit1;
    c.valueFieldColour = Qt::black;
    c.unitButtons = {ui.RadioButton5, ui.RadioButton6, ui.RadioButton7};
    return c;
}

} // namespace

ResistorPage::ResistorPage(Ui::TMainForm& ui, QWidget* owner, QObject* parent)
    : ColourCodePage(ResistorControls(ui), ResistorUnits(), std::span(BandDigits).first(3), ResistorMultiplier, owner,
                     parent),
      m_ui(ui)
{
    ApplyPixelFont(ui.ComboBox3, QStringLiteral("Verdana"), 13, false, Qt::black);
    for (const auto item : TfrItems)
        ui.ComboBox3->addItem(QString::fromLatin1(item.data(), static_cast<qsizetype>(item.size())));
    ui.ComboBox1->setCurrentIndex(8);
    ui.ComboBox3->setCurrentIndex(7);
    TypedKeyFilter::Install(ui.ComboBox3, TypedKeyFilter::Nothing);

    connect(ui.Shape11, &TShape::painted, this, [this] { DescribeBand(m_ui.Shape11); });
    connect(ui.Button1, &QPushButton::clicked, this, Guarded(owner, [this](bool) { Button1Click(); }));
    connect(ui.RadioButton1, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton1Click(); });
    connect(ui.RadioButton2, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton2Click(); });
    connect(ui.RadioButton11, &QRadioButton::toggled, this, [this](bool on) { if (on) RadioButton11Click(); });
    connect(ui.ComboBox1, &QComboBox::activated, this, &ResistorPage::ComboBox1Change);
    connect(ui.ComboBox3, &QComboBox::activated, this, &ResistorPage::ComboBox3Change);
    DescribeBand(ui.Shape11);
}

void ResistorPage::RecomputeResistor()
{
    Recompute();
}

void ResistorPage::Button1Click()
{
    Calculate();
}

void ResistorPage::RadioButton1Click()
{
    m_ui.Shape11->hide();
    SwitchBandCount();
}

void ResistorPage::RadioButton2Click()
{
    m_ui.Shape11->hide();
    SwitchBandCount();
}

void ResistorPage::RadioButton11Click()
{
    m_ui.Shape11->show();
    SwitchBandCount();
}

void ResistorPage::ComboBox1Change(int index)
{
    ToleranceChosen(index);
}

void ResistorPage::ComboBox3Change(int index)
{
    // The TFR band is painted even while it is hidden; it shows the colour with 6 bands.
    if (const auto colour = TfrColour(index))
        m_ui.Shape11->setBrushColour(*colour);
}

void ResistorPage::DescribeBand(TShape* band)
{
    if (band == m_ui.Shape11)
        SetBandDescription(band, BandDescription(QStringLiteral("TFR"), BandRole::Tfr, band->brushColour()));
    else
        ColourCodePage::DescribeBand(band);
}

} // namespace kolvane
