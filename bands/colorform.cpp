// SPDX-License-Identifier: MIT
#include "colorform.h"

#include "fonts.h"
#include "bandshape.h"
#include "codepage.h"
#include "pick.h"
#include "placement.h"
#include "ui_colorform.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStyleHints>

#include <array>

namespace kolvane {
namespace {

constexpr std::array<const char*, PickTargetCount> Captions = {
    "First bound of resistor",      "Second bound of resistor",    "Third bound of resistor",
    "Fourth bound of resistor",     "Tolerance bound of resistor", "First bound of capasitor",
    "Second bound of capasitor",    "Third bound of capasitor",    "Fourth bound of capasitor",
    "Tolerance bound of capasitor", "TFR-bound of resistor"};

} // namespace

TColorForm::TColorForm(QWidget* parent, const QRadioButton* resistorFourBands, const QRadioButton* capacitorFourBands,
                       std::function<void()> apply)
    : QDialog(parent), ui(std::make_unique<Ui::TColorForm>()), m_resistorFour(resistorFourBands),
      m_capacitorFour(capacitorFourBands), m_apply(std::move(apply))
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
        connect(shape, &TShape::mouseDown, this, [this, colour = colour](Qt::MouseButton) { Pick(colour); });
        shape->installEventFilter(this);
    }
    ui->Panel1->setAccessibleName(QStringLiteral("None"));
    ui->Panel1->setCursor(Qt::PointingHandCursor);
    ui->Panel1->installEventFilter(this);
    ui->Panel1->raise();
    CentredOverParent::Install(this);
}

TColorForm::~TColorForm() = default;

void TColorForm::FormActivate()
{
    if (PickTarget >= 1 && PickTarget <= PickTargetCount)
        setWindowTitle(QString::fromLatin1(Captions[PickTarget - 1]));

    auto& f = *ui;
    for (TShape* s :
         {f.Shape1, f.Shape2, f.Shape3, f.Shape4, f.Shape5, f.Shape6, f.Shape7, f.Shape8, f.Shape9, f.Shape10})
        s->show();
    f.Shape11->hide();
    f.Shape12->hide();
    f.Panel1->hide();

    const int t = PickTarget;
    if (t == 4 || t == 5 || t == 9 || t == 10) {
        f.Shape12->show();
        f.Shape11->show();
    }
    if (t == 1 || t == 6)
        f.Shape1->hide();
    if (t == 4 || t == 9) {
        f.Shape8->hide();
        f.Shape9->hide();
        f.Shape10->hide();
    }
    if (t == 5 || t == 10) {
        for (TShape* s : {f.Shape1, f.Shape4, f.Shape5, f.Shape10})
            s->hide();
        f.Panel1->show();
    }
    if (t == 11) {
        for (TShape* s : {f.Shape1, f.Shape6, f.Shape9, f.Shape11, f.Shape12})
            s->hide();
        f.Panel1->show();
    }
    if ((t == 3 && m_resistorFour->isChecked()) || (t == 8 && m_capacitorFour->isChecked())) {
        f.Shape9->hide();
        f.Shape10->hide();
        f.Shape12->show();
        f.Shape11->show();
    }
}

void TColorForm::Pick(std::uint32_t colour)
{
    PickedColour = colour;
    m_apply();
    close();
}

bool TColorForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QDialog::event(event);
}

void TColorForm::showEvent(QShowEvent* event)
{
    // Without a window manager, or under one that refuses focus requests, the dialog
    // may never become active: set it up when it is shown as well.
    FormActivate();
    QDialog::showEvent(event);
    activateWindow();
}

bool TColorForm::EndsOpeningDoubleClick(const QMouseEvent* event) const
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
        if (EndsOpeningDoubleClick(mouse))
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
                Pick(NoColour);
            return true;
        }
        return false;
    default: return QDialog::eventFilter(watched, event);
    }
}

} // namespace kolvane
