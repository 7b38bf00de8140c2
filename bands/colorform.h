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

namespace Ui {
class TColorForm;
}

namespace kolvane {

class TColorForm : public QDialog {
    Q_OBJECT
public:
    explicit TColorForm(QWidget* parent);
    ~TColorForm() override;

    // Lets the user pick the colour of a band in `role` under `caption`, and returns
    // it, or nothing when the picker was closed without a pick. `openingPress` is the
    // press on the band that asked, when the mouse made it: the picker opens over the
    // bands, under the pointer, so the second press of a double click on a band lands
    // on a swatch, and that press is not a choice.
    std::optional<BandColour> chooseColour(BandRole role, const QString& caption,
                                           const std::optional<PointerPress>& openingPress = std::nullopt);

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

    std::unique_ptr<Ui::TColorForm> ui;
    // Before the first request the picker offers the digits under the form's caption.
    BandRole m_role = BandRole::Digit;
    QString m_caption;
    std::optional<PointerPress> m_openingPress;
    std::optional<BandColour> m_choice;
    bool m_noneArmed = false;
};

} // namespace kolvane
