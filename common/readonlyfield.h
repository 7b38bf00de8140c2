// SPDX-License-Identifier: MIT
// A read-only field whose text only the program writes. The field refuses typing and
// pasting itself, but an assistive tool sets a field's text past that state; such a
// field takes back what the program wrote.
#pragma once

#include <QString>

class QLineEdit;

namespace kolvane {

// Makes `field` read-only and keeps the text WriteReadOnly gives it (empty until then).
void KeepReadOnly(QLineEdit* field);
// The program's own writing of a field made read-only by KeepReadOnly.
void WriteReadOnly(QLineEdit* field, const QString& text);

} // namespace kolvane
