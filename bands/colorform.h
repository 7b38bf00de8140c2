// SPDX-License-Identifier: MIT
// The colour picker: a small modal dialog that offers only the colours a band's role
// accepts and returns the one picked. It is created once and reused; its caption and
// swatches stay as last set.
#pragma once

#include "bandshape.h"

#include <QDialog>

#include <memory>
#include <optional>

class QMouseEvent;
class QWidget;

namespace Ui {
class TColorForm;
}

namespace kolvane {

// How a band asks for its colour.
struct ColourRequest {
    // The band's colour now: the picker opens with the focus on it, or on the first
    // shown swatch when the band is unset or its colour is not offered.
    BandColour current = NoColour;
    // The press on the band that asked, when the mouse made it: the picker opens over
    // the bands, under the pointer, so the second press of a double click on a band
    // lands on a swatch, and that press is not a choice. Without it (the keyboard or an
    // assistive tool asked) the focused swatch shows its focus mark at once; a picker
    // opened by the mouse shows it only once the keyboard is used there.
    std::optional<PointerPress> openingPress;
};

class TColorForm : public QDialog {
    Q_OBJECT
public:
    explicit TColorForm(QWidget* parent);
    ~TColorForm() override;

    // Lets the user pick the colour of a band in `role` under `caption`, and returns
    // it, or nothing when the picker was closed without a pick. The arrow keys move
    // between the shown swatches and "None" as the grid shows them; Enter or Space
    // picks the focused one, as a click does; Escape closes without a pick.
    std::optional<BandColour> chooseColour(BandRole role, const QString& caption, const ColourRequest& request = {});

    // Ends the picker with `colour` as the choice, as a press on its swatch does.
    void pick(BandColour colour);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the caption and shows the swatches (and "None") that the role accepts.
    void showOffer();
    bool endsOpeningDoubleClick(const QMouseEvent* event) const;
    // The shown swatches and "None", row by row, left to right.
    QList<QWidget*> shownInGridOrder() const;
    // Gives the focus to the swatch of the requested colour, or the first shown one.
    void focusCurrent();
    // Moves the focus from `from` by an arrow key; false for any other key.
    bool moveFocus(QWidget* from, int key);
    void setKeyboardInUse(bool inUse);

    std::unique_ptr<Ui::TColorForm> ui;
    // Before the first request the picker offers the digits under the form's caption.
    BandRole m_role = BandRole::Digit;
    QString m_caption;
    ColourRequest m_request;
    bool m_keyboardInUse = false;
    std::optional<BandColour> m_choice;
    bool m_noneArmed = false;
};

} // namespace kolvane
