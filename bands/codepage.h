// SPDX-License-Identifier: MIT
// The behaviour the resistor and capacitor pages share: reading their value bands,
// painting them for a typed number, switching between two and three digit bands,
// picking a band's colour, the tolerance list, the band descriptions for assistive
// tools, and the value label's hint and copy menu.
#pragma once

#include "bandcode.h"
#include "bandshape.h"
#include "colourcode.h"
#include "lastreadings.h"

#include <QObject>

#include <QColor>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kolvane {

class ResultMenu;
class TColorForm;

struct CodePageControls {
    std::vector<QWidget*> groupBoxes;
    TShape* body = nullptr;
    std::array<TShape*, 2> leads{};
    // For 4 bands (checked: two digits; otherwise three), 5 bands, and 6 where there are 6.
    std::vector<QRadioButton*> bandCountButtons;
    std::array<TShape*, 4> valueBands{}; // first, second, third, fourth band
    TShape* toleranceBand = nullptr;
    QComboBox* toleranceList = nullptr;
    QLabel* valueLabel = nullptr;
    QLineEdit* valueField = nullptr;
    QColor valueFieldColour;
    std::array<QRadioButton*, 3> unitButtons{}; // base unit first
};

// What a band is on its page: the role its colour plays, its name for assistive tools
// and the caption of the picker that chooses its colour.
struct BandPlace {
    BandRole role;
    QString name;
    QString pickerCaption;
};

// Gives the one picker dialog; asked for only when a band is pressed, so the dialog
// may be made then.
using PickerSource = std::function<TColorForm*()>;

class ColourCodePage : public QObject {
    Q_OBJECT
public:
    // `start` is what the page has read before its bands are first read.
    ColourCodePage(const CodePageControls& controls, const CodeUnits& units, Quantity quantity, LastReading start,
                   PickerSource picker, QWidget* owner, QObject* parent);

    int digitCount() const;
    // The kind of part the page reads.
    Quantity quantity() const { return m_quantity; }
    // Reads the value bands into the value label.
    void recompute();
    // Paints the value bands for the typed number, then recomputes. Throws
    // HandlerError when the field holds no whole number.
    void calculate();
    // Shows a code of `count` bands, choosing its button as a click would.
    void setBandCount(int count);
    // Paints the tolerance band for the chosen list item.
    void chooseTolerance(int index);
    // Puts `code` on the page as if the user had chosen its band count and picked each
    // band's colour: the lists follow, the page reads it and says it has been picked.
    // The caller makes sure the page's chart has the code.
    void showCode(const BandCode& code);
    // Lets the user pick the colour of `band` (any mouse button on it, or an assistive
    // tool's press); a pick paints the band, moves its list along and recomputes.
    void pickColourFor(TShape* band, const std::optional<PointerPress>& pointer = std::nullopt);
    // The code as the bands show it now, in the current band count.
    BandCode shownCode() const;
    // What the page last read from its bands.
    const LastReading& lastReading() const { return m_last; }

signals:
    // A colour was picked for one of this page's bands and the page has read it.
    void colourPicked();
    // "Look up…" on the value label: `text` is the value it shows.
    void lookUpRequested(const QString& text);

protected:
    // Shows or hides the fourth band, clears the third when its new role cannot read
    // its colour, and recomputes; runs when the button of `count` bands is chosen.
    virtual void showBandCount(int count);
    // Rewrites the value label's hint and enables its copy menu to match the shown
    // value and the bands; run whenever the value or a band it reads changes.
    void updateHint();
    // The TFR band's colour when the code has one.
    virtual std::optional<BandColour> tfrColour() const { return std::nullopt; }
    // Paints the TFR band, where the page has one, as a pick of `colour` would.
    virtual void showTfr(BandColour /*colour*/) {}
    // What `band` is in the current band count; nothing for a shape that is no band.
    virtual std::optional<BandPlace> placeOf(const TShape* band) const;
    // Selects the list item that names the colour just picked for `band`, if a list
    // follows that band. The list's own change handler does not run.
    virtual void followInList(const TShape* band, BandColour colour);
    // Sets the band's description from its colour and its current role.
    void describeBand(TShape* band);
    // Fonts and colours of the page's controls and its drawing.
    void applyLook();
    // Makes `band` open the picker when pressed.
    void makePickable(TShape* band);
    // "resistor" or "capasitor", as the picker's captions name the part.
    QString partName() const;
    const CodePageControls& controls() const { return m_c; }

private:
    CodePageControls m_c;
    const CodeUnits& m_units;
    Quantity m_quantity;
    PickerSource m_picker;
    ResultMenu* m_menu = nullptr;
    std::optional<float> m_shownValue;
    // What the hint was last written from: the shown code and the decimal point.
    struct HintSource {
        std::optional<BandCode> code;
        QString decimalPoint;
        bool operator==(const HintSource&) const = default;
    };
    std::optional<HintSource> m_hintSource;
    LastReading m_last;
    QWidget* m_owner;
};

// Sets a band's tooltip, accessible name and description to one text.
void SetBandDescription(TShape* band, const QString& text);

} // namespace kolvane
