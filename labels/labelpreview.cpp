// SPDX-License-Identifier: MIT
#include "labelpreview.h"

#include "labelpainter.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace kolvane {
namespace {

// Room round the paper for its shadow, so the page reads as a page.
constexpr int Margin = 8;
constexpr int Shadow = 3;

} // namespace

LabelPreview::LabelPreview(QWidget* parent) : QWidget(parent)
{
    setAccessibleName(QStringLiteral("Preview"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Focused, the preview turns its pages with the keys a document viewer uses.
    setFocusPolicy(Qt::StrongFocus);
    describe();
}

void LabelPreview::setLayout(LabelLayout layout)
{
    m_layout = std::move(layout);
    const int last = std::max(0, pageCount() - 1);
    const int page = std::min(m_page, last);
    const bool moved = page != m_page;
    m_page = page;
    describe();
    update();
    if (moved)
        emit pageChanged(m_page);
}

void LabelPreview::setPage(int index)
{
    index = std::clamp(index, 0, std::max(0, pageCount() - 1));
    if (index == m_page)
        return;
    m_page = index;
    describe();
    update();
    emit pageChanged(m_page);
}

void LabelPreview::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down: setPage(m_page + 1); return;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up: setPage(m_page - 1); return;
    case Qt::Key_Home: setPage(0); return;
    case Qt::Key_End: setPage(pageCount() - 1); return;
    default: QWidget::keyPressEvent(event);
    }
}

QSize LabelPreview::sizeHint() const
{
    return {320, 400};
}

QSize LabelPreview::minimumSizeHint() const
{
    return {160, 200};
}

// Assistive tools hear which page is shown; the drawing itself says nothing to them.
void LabelPreview::describe()
{
    const QString text = pageCount() == 0 ? QStringLiteral("No labels")
                                          : QStringLiteral("Page %1 of %2").arg(m_page + 1).arg(pageCount());
    setAccessibleDescription(text);
    setToolTip(text);
}

void LabelPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QSizeF paper = m_layout.page.isEmpty() ? A4Page : m_layout.page;
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    const QRectF area = QRectF(rect()).adjusted(Margin, Margin, -Margin - Shadow, -Margin - Shadow);
    const QTransform fit = FitPaper(paper, area);
    const QRectF sheet = fit.mapRect(QRectF(QPointF(0, 0), paper));
    painter.fillRect(sheet.translated(Shadow, Shadow), palette().color(QPalette::Dark));
    painter.fillRect(sheet, Qt::white);
    if (m_page < pageCount()) {
        // Nothing is drawn beyond the paper, as nothing is printed there.
        painter.setClipRect(sheet);
        PaintLabelPage(painter, m_layout.pages[static_cast<std::size_t>(m_page)], fit);
    }
}

} // namespace kolvane
