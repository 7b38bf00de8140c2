// SPDX-License-Identifier: MIT
#include "combinepage.h"

#include "contextmenu.h"
#include "feedback.h"
#include "fonts.h"
#include "keyfilters.h"
#include "numbers.h"
#include "readonlyfield.h"
#include "seriesparallel.h"
#include "jpegdecoder.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QLocale>
#include <QPixmap>

#include <array>
#include <cstdint>

namespace kolvane {
namespace {

// A diagram compiled into the program; a picture that fails to decode leaves its
// frame empty, the calculator works without it.
void ShowDiagram(QLabel* frame, const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QImage image = DecodeJpeg(file.readAll());
    if (!image.isNull())
        frame->setPixmap(QPixmap::fromImage(image));
}

std::int32_t ParseField(const QLineEdit* field)
{
    const QString text = field->text();
    const auto value = ParseInt32(text);
    if (!value)
        throw HandlerError(InvalidIntegerMessage(text));
    return *value;
}

} // namespace

CombinePage::CombinePage(const CombineControls& controls, QWidget* owner, QObject* parent)
    : QObject(parent), m_c(controls)
{
    // What each calculator adds follows from its place, once, here.
    for (std::size_t i = 0; i < m_c.calculators.size(); ++i) {
        m_c.calculators[i].capacitors = i >= 2;
        m_c.calculators[i].sum = i == 0 || i == 3;
    }
    const QString sans = QStringLiteral("MS Sans Serif");
    const QString verdana = QStringLiteral("Verdana");
    const QColor navy(0, 0, 128);
    for (QWidget* box : m_c.groupBoxes)
        ApplyPixelFont(box, sans, 13, false, navy);
    // The labels share the captions' font but not their navy.
    for (QLabel* label : m_c.labels)
        ApplyPixelFont(label, sans, 13, false, Qt::black);

    for (const CalculatorControls& calculator : m_c.calculators) {
        for (QLineEdit* field : {calculator.first, calculator.second, calculator.result}) {
            ApplyPixelFont(field, verdana, 13, false, Qt::black);
            TypedKeyFilter::install(field, TypedKeyFilter::Digits);
        }
        // A result's limit of 9 concerns typing, which its read-only state already
        // refuses; Qt would also cut what the calculator writes (a pasted sign can
        // give eleven characters), so the written total is never limited.
        calculator.result->setMaxLength(32767);
        KeepReadOnly(calculator.result);
    }
    for (int i = 0; i < int(m_c.calculators.size()); ++i)
        addResultMenu(i);

    // The diagrams sit on pages that start hidden: each is decoded when its frame is
    // first shown, just before it is painted, instead of on every start-up.
    for (const CalculatorControls& calculator : m_c.calculators)
        calculator.diagram->installEventFilter(this);

    for (int i = 0; i < int(m_c.calculators.size()); ++i) {
        const CalculatorControls& calculator = m_c.calculators[static_cast<std::size_t>(i)];
        connect(calculator.button, &QAbstractButton::clicked, this, Guarded(owner, [this, i](bool) { calculate(i); }));
        // Enter in either value field does what the calculator's "General" button does.
        for (QLineEdit* field : {calculator.first, calculator.second})
            connect(field, &QLineEdit::returnPressed, this, Guarded(owner, [this, i] { calculate(i); }));
    }
}

bool CombinePage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show) {
        static const std::array<const char*, 4> resources = {
            ":/diagrams/resistors-series.jpg", ":/diagrams/resistors-parallel.jpg", ":/diagrams/capacitors-series.jpg",
            ":/diagrams/capacitors-parallel.jpg"};
        for (std::size_t i = 0; i < m_c.calculators.size(); ++i) {
            QLabel* frame = m_c.calculators[i].diagram;
            if (watched == frame) {
                frame->removeEventFilter(this);
                ShowDiagram(frame, QString::fromLatin1(resources[i]));
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void CombinePage::addResultMenu(int index)
{
    const CalculatorControls& calculator = m_c.calculators.at(static_cast<std::size_t>(index));
    QLineEdit* result = calculator.result;
    auto* menu = new ContextMenu(result);
    // The field's own items, made for each opening as its selection allows.
    menu->setOpeningItems([result] { return result->createStandardContextMenu(); });
    menu->addSeparator();
    QAction* lookUp = menu->addItem(QStringLiteral("Look up\u2026"),
                                    [this, result, sum = calculator.sum, capacitors = calculator.capacitors] {
                                        QString text = result->text();
                                        // A sum is written with ",00" in every locale; its whole number reads in any.
                                        if (sum && text.endsWith(QStringLiteral(",00")))
                                            text.chop(3);
                                        emit lookUpRequested(text, capacitors);
                                    });
    connect(menu->menu(), &QMenu::aboutToShow, lookUp,
            [lookUp, result] { lookUp->setEnabled(!result->text().isEmpty()); });
}

void CombinePage::calculate(int index)
{
    const CalculatorControls& calculator = m_c.calculators.at(static_cast<std::size_t>(index));
    if (calculator.first->text().isEmpty() && calculator.second->text().isEmpty())
        return;
    const std::int32_t a = ParseField(calculator.first);
    const std::int32_t b = ParseField(calculator.second);
    if (calculator.sum) {
        WriteReadOnly(calculator.result, SumRuleText(a, b));
        return;
    }
    const auto text = ProductOverSumText(a, b, QLocale());
    if (!text)
        throw HandlerError(DivisionByZeroMessage());
    WriteReadOnly(calculator.result, *text);
}

} // namespace kolvane
