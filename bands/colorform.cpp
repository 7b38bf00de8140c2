// SPDX-License-Identifier: MIT
#include "colorform.h"

#include "fonts.h"
#include "bandshape.h"
#include "placement.h"
#include "ui_colorform.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include <array>

namespace kolvane {

TColorForm::TColorForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TColorForm>())
{
    ui->setupUi(this);
    setFixedSize(289, 81);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ApplyPixelFont(this, QStringLiteral("MS Sans Serif"), 11, false, palette().color(QPalette::WindowText));
    ApplyPixelFont(ui->Label1, QStringLiteral("MS Sans Serif"), 11, true, Qt::black);

    using namespace colours;
    const std::array<std::pair<TShape*, BandColour>, 12> swatches = {{{ui->Shape1, Black},
                                                                      {ui->Shape2, Brown},
                                                                      {ui->Shape3, Red},
                                                                      {ui->Shape4, Orange},
                                                                      {ui->Shape5, Yellow},
                                                                      {ui->Shape6, Green},
                                                                      {ui->Shape7, Blue},
                                                                      {ui->Shape8, Violet},
                                                                      {ui->Shape9, Grey},
                                                                      {ui->Shape10, White},
                                                                      {ui->Shape11, Gold},
                                                                      {ui->Shape12, Silver}}};
    for (const auto& [shape, colour] : swatches) {
        shape->setBrushColour(colour);
        shape->setPressable(true);
        const QString name = QString::fromLatin1(ColourName(colour).data());
        shape->setToolTip(name);
        shape->setAccessibleName(name);
        // Any mouse button on a swatch picks it.
        connect(shape, &TShape::mouseDown, this, [this, colour = colour](Qt::MouseButton) { pick(colour); });
        shape->installEventFilter(this);
    }
    ui->Panel1->setAccessibleName(QStringLiteral("None"));
    ui->Panel1->setCursor(Qt::PointingHandCursor);
    ui->Panel1->installEventFilter(this);
    ui->Panel1->raise();
    CentredOverParent::Install(this);
}

TColorForm::~TColorForm() = default;

std::optional<BandColour> TColorForm::chooseColour(BandRole role, const QString& caption,
                                                   const std::optional<PointerPress>& openingPress)
{
    m_role = role;
    m_caption = caption;
    m_openingPress = openingPress;
    m_choice.reset();
    exec();
    return m_choice;
}

void TColorForm::showOffer()
{
    if (!m_caption.isEmpty())
        setWindowTitle(m_caption);
    auto& f = *ui;
    for (TShape* s : {f.Shape1, f.Shape2, f.Shape3, f.Shape4, f.Shape5, f.Shape6, f.Shape7, f.Shape8, f.Shape9,
                      f.Shape10, f.Shape11, f.Shape12})
        s->setVisible(RoleAccepts(m_role, s->brushColour()));
    f.Panel1->setVisible(RoleAccepts(m_role, NoColour));
}

void TColorForm::pick(BandColour colour)
{
    m_choice = colour;
    close();
}

bool TColorForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        showOffer();
    return QDialog::event(event);
}

void TColorForm::showEvent(QShowEvent* event)
{
    // Without a window manager, or under one that refuses focus requests, the dialog
    // may never become active: set it up when it is shown as well.
    showOffer();
    QDialog::showEvent(event);
    activateWindow();
}

bool TColorForm::endsOpeningDoubleClick(const QMouseEvent* event) const
{
    if (!m_openingPress)
        return false;
    const QStyleHints* hints = QGuiApplication::styleHints();
    // Unsigned timestamps: a press from before the opening one wraps to a huge value.
    const quint64 elapsed = event->timestamp() - m_openingPress->timestamp;
    const QPointF moved = event->globalPosition() - m_openingPress->globalPosition;
    return elapsed < quint64(hints->mouseDoubleClickInterval()) &&
           moved.manhattanLength() <= hints->mouseDoubleClickDistance();
}

bool TColorForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool onNone = watched == ui->Panel1;
    if (!onNone && !qobject_cast<TShape*>(watched))
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (endsOpeningDoubleClick(mouse))
            return true;
        if (!onNone)
            return false;
        // "None" takes a click of the primary button only: press and release on it.
        m_noneArmed = mouse->button() == Qt::LeftButton;
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // A double click reaches a swatch only when its first press was elsewhere, on a
        // band under the picker: a press on a swatch picks and closes at once. Left to
        // the widget, it would count as a second press.
        return true;
    case QEvent::MouseButtonRelease:
        if (onNone) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool click = m_noneArmed && mouse->button() == Qt::LeftButton &&
                               ui->Panel1->rect().contains(mouse->position().toPoint());
            if (mouse->button() == Qt::LeftButton)
                m_noneArmed = false;
            if (click)
                pick(NoColour);
            return true;
        }
        return false;
    default: return QDialog::eventFilter(watched, event);
    }
}

} // namespace kolvane
