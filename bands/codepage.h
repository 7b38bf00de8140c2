// SPDX-License-Identifier: MIT
// The behaviour the resistor and capacitor pages share: reading their value bands,
// painting them for a typed number, switching between two and three digit bands,
// the tolerance list, the band descriptions for assistive tools, and the value
// label's hint and copy menu.
#pragma once

#include "bandcode.h"
#include "colourcode.h"

#include <QObject>

#include <QColor>

#include <array>
#include <span>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kolvane {

class ResultMenu;
class TShape;

struct CodePageControls {
    std::vector<QWidget*> groupBoxes;
    TShape* body = nullptr;
    std::array<TShape*, 2> leads{};
    std::vector<QWidget*> bandCountButtons;
    std::array<TShape*, 4> valueBands{}; // first, second, third, fourth band
    TShape* toleranceBand = nullptr;
    QComboBox* toleranceList = nullptr;
    QRadioButton* fourBands = nullptr; // checked: two digits; otherwise three
    QLabel* valueLabel = nullptr;
    QLineEdit* valueField = nullptr;
    QColor valueFieldColour;
    std::array<QRadioButton*, 3> unitButtons{}; // base unit first
};

class ColourCodePage : public QObject {
    Q_OBJECT
public:
    ColourCodePage(const CodePageControls& controls, const CodeUnits& units, Quantity quantity,
                   std::span<std::int8_t> digitCells, long double& multiplier, QWidget* owner, QObject* parent);

    int digitCount() const;
    // Reads the value bands into the value label.
    void Recompute();
    // Paints the value bands for the typed number, then recomputes. Throws
    // HandlerError when the field holds no whole number.
    void Calculate();
    // Shows or hides the fourth band, clears the third when its new role cannot
    // read its colour, and recomputes.
    void SwitchBandCount();
    // Paints the tolerance band for the chosen list item.
    void ToleranceChosen(int index);
    // The code as the bands show it now, in the current band count.
    BandCode ShownCode() const;

protected:
    // Rewrites the value label's hint and enables its copy menu to match the shown
    // value and the bands; run whenever the value or a band it reads changes.
    void UpdateHint();
    // The TFR band's colour when the code has one.
    virtual std::optional<BandColour> tfrColour() const { return std::nullopt; }
    // Sets the band's description from its colour and its current role.
    virtual void DescribeBand(TShape* band);
    // Fonts and colours of the page's controls and its drawing.
    void ApplyLook();
    const CodePageControls& controls() const { return m_c; }

private:
    CodePageControls m_c;
    const CodeUnits& m_units;
    Quantity m_quantity;
    ResultMenu* m_menu = nullptr;
    std::optional<float> m_shownValue;
    // What the hint was last written from: the shown code and the decimal point.
    struct HintSource {
        std::optional<BandCode> code;
        QString decimalPoint;
        bool operator==(const HintSource&) const = default;
    };
    std::optional<HintSource> m_hintSource;
    std::span<std::int8_t> m_cells;
    long double& m_multiplier;
    QWidget* m_owner;
};

// Sets a band's tooltip, accessible name and description to one text.
void SetBandDescription(TShape* band, const QString& text);

} // namespace kolvane
