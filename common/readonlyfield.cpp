// SPDX-License-Identifier: MIT
#include "readonlyfield.h"

#include <QLineEdit>
#include <QVariant>

namespace kolvane {
namespace {

constexpr const char* WrittenProperty = "kolvaneWrittenText";

} // namespace

void KeepReadOnly(QLineEdit* field)
{
    field->setReadOnly(true);
    field->setProperty(WrittenProperty, field->text());
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        const QString written = field->property(WrittenProperty).toString();
        if (text != written)
            field->setText(written);
    });
}

void WriteReadOnly(QLineEdit* field, const QString& text)
{
    field->setProperty(WrittenProperty, text);
    field->setText(text);
}

} // namespace kolvane
