// SPDX-License-Identifier: MIT
#include "bandpicking.h"

#include "bandshape.h"
#include "colorform.h"
#include "pick.h"

#include <QComboBox>

namespace kolvane {

BandPicking::BandPicking(PickWiring wiring, std::function<TColorForm*()> picker, QObject* parent)
    : QObject(parent), m_w(std::move(wiring)), m_picker(std::move(picker))
{
    for (TShape* band : m_w.bands)
        band->setPressable(true);
    for (int target = 1; target <= PickTargetCount; ++target)
        connect(m_w.bands[static_cast<std::size_t>(target - 1)], &TShape::mouseDown, this,
                [this, target](Qt::MouseButton, const std::optional<PointerPress>& pointer) {
                    ShapeMouseDown(target, pointer);
                });
}

void BandPicking::ShapeMouseDown(int target, const std::optional<PointerPress>& pointer)
{
    PickTarget = static_cast<std::uint8_t>(target);
    if (TColorForm* picker = m_picker ? m_picker() : nullptr) {
        picker->setOpeningPress(pointer);
        picker->exec();
    }
}

void BandPicking::ApplyPickedColour()
{
    if (PickTarget >= 1 && PickTarget <= PickTargetCount)
        m_w.bands[PickTarget - 1]->setBrushColour(PickedColour);

    // The lists follow their bands without running their own change handlers.
    const auto select = [](QComboBox* list, std::optional<int> index) {
        if (index)
            list->setCurrentIndex(*index);
    };
    if (PickTarget == 5)
        select(m_w.resistorTolerance, ToleranceIndexOfColour(PickedColour));
    if (PickTarget == 10)
        select(m_w.capacitorTolerance, ToleranceIndexOfColour(PickedColour));
    if (PickTarget == 11)
        select(m_w.resistorTfr, TfrIndexOfColour(PickedColour));

    m_w.recomputeResistor();
    m_w.recomputeCapacitor();
}

} // namespace kolvane
