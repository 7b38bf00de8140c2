// SPDX-License-Identifier: MIT
#include "colorform.h"

#include "markedaccessible.h"

#include "fonts.h"
#include "bandshape.h"
#include "focusmark.h"
#include "keyfilters.h"
#include "placement.h"
#include "ui_colorform.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleHints>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace kolvane {
namespace {

// "None" is a label that acts as a swatch: assistive tools see a button whose press
// picks it, as the swatches' own interface does.
class NoneAccessible : public QAccessibleWidget {
public:
    explicit NoneAccessible(QWidget* none) : QAccessibleWidget(none, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName != pressAction())
            return;
        // Queued as every press is, so the call returns before anything happens.
        // The picker holds "None", so it outlives the queued call.
        RunAfterCall(widget(), [form = qobject_cast<TColorForm*>(widget()->window())] {
            if (form && form->isVisible())
                form->pick(NoColour);
        });
    }
};

} // namespace

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
        shape->setFocusPolicy(Qt::TabFocus);
        shape->setShowsFocusMark(false);
    }
    UseAccessible(ui->Panel1, &MakeAccessible<NoneAccessible, QWidget>);
    ui->Panel1->setAccessibleName(QStringLiteral("None"));
    ui->Panel1->setCursor(Qt::PointingHandCursor);
    ui->Panel1->setFocusPolicy(Qt::TabFocus);
    ui->Panel1->installEventFilter(this);
    // Inside the box's own line, as on the swatches.
    FocusMarkPainter::install(
        ui->Panel1, [this] { return ui->Panel1->rect().adjusted(2, 2, -2, -2); }, [this] { return m_keyboardInUse; });
    ui->Panel1->raise();
    CentredOverParent::install(this);
}

TColorForm::~TColorForm() = default;

std::optional<BandColour> TColorForm::chooseColour(BandRole role, const QString& caption, const ColourRequest& request)
{
    m_role = role;
    m_caption = caption;
    m_request = request;
    m_choice.reset();
    setKeyboardInUse(!request.openingPress);
    exec();
    return m_choice;
}

void TColorForm::setKeyboardInUse(bool inUse)
{
    m_keyboardInUse = inUse;
    for (TShape* swatch : findChildren<TShape*>())
        swatch->setShowsFocusMark(inUse);
    ui->Panel1->update();
}

QList<QWidget*> TColorForm::shownInGridOrder() const
{
    QList<QWidget*> shown;
    for (TShape* swatch : findChildren<TShape*>())
        if (swatch->isVisibleTo(this))
            shown << swatch;
    if (ui->Panel1->isVisibleTo(this))
        shown << ui->Panel1;
    std::sort(shown.begin(), shown.end(),
              [](const QWidget* a, const QWidget* b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    return shown;
}

void TColorForm::focusCurrent()
{
    const QList<QWidget*> shown = shownInGridOrder();
    if (shown.isEmpty())
        return;
    QWidget* target = shown.front();
    for (QWidget* w : shown) {
        const auto* swatch = qobject_cast<TShape*>(w);
        if (swatch ? swatch->brushColour() == m_request.current : m_request.current == NoColour) {
            target = w;
            break;
        }
    }
    target->setFocus(Qt::OtherFocusReason);
}

bool TColorForm::moveFocus(QWidget* from, int key)
{
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down &&
        key != Qt::Key_Home && key != Qt::Key_End)
        return false;
    const QList<QWidget*> shown = shownInGridOrder();
    const qsizetype at = shown.indexOf(from);
    if (at < 0)
        return true;
    QWidget* target = nullptr;
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        // The first and the last shown swatch, as the rows read.
        target = key == Qt::Key_Home ? shown.front() : shown.back();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        // Along the rows as they read; the ends of the grid stop the focus.
        const qsizetype next = at + (key == Qt::Key_Right ? 1 : -1);
        if (next >= 0 && next < shown.size())
            target = shown[next];
    } else {
        // To the nearest shown one of the next row down or up, the left one on a tie.
        const bool down = key == Qt::Key_Down;
        int row = -1;
        for (const QWidget* w : shown)
            if (down ? w->y() > from->y() && (row < 0 || w->y() < row) : w->y() < from->y() && w->y() > row)
                row = w->y();
        for (QWidget* w : shown)
            if (w->y() == row && (!target || std::abs(w->x() - from->x()) < std::abs(target->x() - from->x())))
                target = w;
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
    return true;
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
    focusCurrent();
    QDialog::showEvent(event);
    activateWindow();
}

bool TColorForm::endsOpeningDoubleClick(const QMouseEvent* event) const
{
    const auto& opening = m_request.openingPress;
    if (!opening)
        return false;
    const QStyleHints* hints = QGuiApplication::styleHints();
    // Unsigned timestamps: a press from before the opening one wraps to a huge value.
    const quint64 elapsed = event->timestamp() - opening->timestamp;
    const QPointF moved = event->globalPosition() - opening->globalPosition;
    return elapsed < quint64(hints->mouseDoubleClickInterval()) &&
           moved.manhattanLength() <= hints->mouseDoubleClickDistance();
}

bool TColorForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool onNone = watched == ui->Panel1;
    if (!onNone && !qobject_cast<TShape*>(watched))
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!m_keyboardInUse)
            setKeyboardInUse(true);
        if (moveFocus(static_cast<QWidget*>(watched), key->key()))
            return true;
        // A swatch takes Enter and Space itself, as a left press.
        if (!onNone || !IsPressKey(key))
            return false;
        if (!key->isAutoRepeat())
            pick(NoColour);
        return true;
    }
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
