// SPDX-License-Identifier: MIT
#include "codepictureview.h"

#include "labelpainter.h"

#include <QPainter>

namespace kolvane {

CodePictureView::CodePictureView(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Colour codes"));
    setFixedHeight(44);
}

void CodePictureView::showValue(std::optional<double> value, Quantity q)
{
    // The size only sets the codes' proportions; painting scales each into its place.
    m_codes = value ? CodePicture(*value, q, QSizeF(40.0, 20.0)) : std::vector<BandGroup>{};
    setAccessibleDescription(m_codes.empty() ? QStringLiteral("No colour code states this value exactly")
                                             : QStringLiteral("Drawn as the details name them"));
    update();
}

void CodePictureView::paintEvent(QPaintEvent*)
{
    if (m_codes.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal slot = width() / static_cast<qreal>(m_codes.size());
    for (std::size_t i = 0; i < m_codes.size(); ++i)
        PaintBandGroup(painter, m_codes[i],
                       QRectF(slot * static_cast<qreal>(i), 0.0, slot, height()).adjusted(4, 2, -4, -2));
}

} // namespace kolvane
