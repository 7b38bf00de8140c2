// SPDX-License-Identifier: MIT
// The colour picker: a small modal dialog that offers only the colours a band's role
// accepts. It is created once and reused; its caption and swatches stay as last set.
#pragma once

#include "bandshape.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

class QMouseEvent;
class QRadioButton;

namespace Ui {
class TColorForm;
}

namespace kolvane {

class TColorForm : public QDialog {
    Q_OBJECT
public:
    // `resistorFourBands` and `capacitorFourBands` are the pages' "4 bands" buttons,
    // which decide what a third band may hold; `apply` paints the picked colour.
    TColorForm(QWidget* parent, const QRadioButton* resistorFourBands, const QRadioButton* capacitorFourBands,
               std::function<void()> apply);
    ~TColorForm() override;

    void FormActivate();
    void Pick(std::uint32_t colour);

    // The press on a band that opens the picker, when the mouse made it. The picker
    // opens over the bands, under the pointer, so the second press of a double click
    // on a band lands on a swatch: that press is not a choice.
    void setOpeningPress(const std::optional<PointerPress>& press) { m_openingPress = press; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool EndsOpeningDoubleClick(const QMouseEvent* event) const;

    std::unique_ptr<Ui::TColorForm> ui;
    const QRadioButton* m_resistorFour;
    const QRadioButton* m_capacitorFour;
    std::function<void()> m_apply;
    std::optional<PointerPress> m_openingPress;
    bool m_noneArmed = false;
};

} // namespace kolvane
