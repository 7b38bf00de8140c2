#include "combine/combinepage.h"

#include "app/feedback.h"
#include "app/fonts.h"
#include "app/keyfilters.h"
#include "app/numbers.h"
#include "combine/combinerules.h"
#include "combine/jpegdecoder.h"
#include "ui_mainform.h"

#include <QFile>
#include <QLocale>
#include <QPixmap>

#include <algorithm>
#include <cstdint>
#include <iterator>

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

CombinePage::CombinePage(Ui::TMainForm& ui, QWidget* owner, QObject* parent) : QObject(parent), m_ui(ui)
{
    const QString sans = QStringLiteral("MS Sans Serif");
    const QString verdana = QStringLiteral("Verdana");
    const QColor navy(0, 0, 128);
    for (QWidget* box : {ui.GroupBox9, ui.GroupBox11, ui.GroupBox12, ui.GroupBox13})
        ApplyPixelFont(box, sans, 13, false, navy);
    // The labels share the captions' font but not their navy.
    for (QWidget* label : {ui.Label4, ui.Label5, ui.Label6, ui.Label7, ui.Label8, ui.Label9, ui.Label10, ui.Label11,
                           ui.Label12, ui.Label13, ui.Label14, ui.Label15})
        ApplyPixelFont(label, sans, 13, false, Qt::black);

    const QLineEdit* const results[] = {ui.Edit5, ui.Edit8, ui.Edit11, ui.Edit14};
    for (QLineEdit* field : {ui.Edit3, ui.Edit4, ui.Edit5, ui.Edit6, ui.Edit7, ui.Edit8, ui.Edit9, ui.Edit10,
                             ui.Edit11, ui.Edit12, ui.Edit13, ui.Edit14}) {
        ApplyPixelFont(field, verdana, 13, false, Qt::black);
        TypedKeyFilter::Install(field, TypedKeyFilter::Digits);
        // A result's limit of 9 concerns typing, which its read-only state already
        // refuses; Qt would also cut what the calculator writes (a pasted sign can
        // give eleven characters), so the written total is never limited.
        if (std::find(std::begin(results), std::end(results), field) != std::end(results))
            field->setMaxLength(32767);
    }

    ShowDiagram(ui.Image1, QStringLiteral(":/diagrams/resistors-series.jpg"));
    ShowDiagram(ui.Image2, QStringLiteral(":/diagrams/resistors-parallel.jpg"));
    ShowDiagram(ui.Image3, QStringLiteral(":/diagrams/capacitors-series.jpg"));
    ShowDiagram(ui.Image4, QStringLiteral(":/diagrams/capacitors-parallel.jpg"));

    connect(ui.Button3, &QPushButton::clicked, this, Guarded(owner, [this](bool) { Button3Click(); }));
    connect(ui.Button4, &QPushButton::clicked, this, Guarded(owner, [this](bool) { Button4Click(); }));
    connect(ui.Button5, &QPushButton::clicked, this, Guarded(owner, [this](bool) { Button5Click(); }));
    connect(ui.Button6, &QPushButton::clicked, this, Guarded(owner, [this](bool) { Button6Click(); }));
}

void CombinePage::Button3Click()
{
    Calculate(m_ui.Edit3, m_ui.Edit4, m_ui.Edit5, Rule::Sum);
}

void CombinePage::Button4Click()
{
    Calculate(m_ui.Edit6, m_ui.Edit7, m_ui.Edit8, Rule::ProductOverSum);
}

void CombinePage::Button5Click()
{
    Calculate(m_ui.Edit9, m_ui.Edit10, m_ui.Edit11, Rule::ProductOverSum);
}

void CombinePage::Button6Click()
{
    Calculate(m_ui.Edit12, m_ui.Edit13, m_ui.Edit14, Rule::Sum);
}

void CombinePage::Calculate(QLineEdit* first, QLineEdit* second, QLineEdit* result, Rule rule)
{
    if (first->text().isEmpty() && second->text().isEmpty())
        return;
    const std::int32_t a = ParseField(first);
    const std::int32_t b = ParseField(second);
    if (rule == Rule::Sum) {
        result->setText(SumRuleText(a, b));
        return;
    }
    const auto text = ProductOverSumText(a, b, QLocale());
    if (!text)
        throw HandlerError(DivisionByZeroMessage());
    result->setText(*text);
}

} // namespace kolvane
