// SPDX-License-Identifier: MIT
// TQevButton: the owner-drawn push button as placed on forms and in Qt Designer.
#pragma once

#include "qevbutton_export.h"
#include "qevcustombutton.h"

/// The class that forms and Qt Designer name. All state, behaviour and properties are
/// TQevCustomButton's; this class adds nothing, so that a program can derive its own
/// buttons from TQevCustomButton and still place the plain one by name.
class QEVBUTTON_EXPORT TQevButton : public TQevCustomButton {
    Q_OBJECT

public:
    /// A 75x25 flat button without caption or glyph.
    explicit TQevButton(QWidget* parent = nullptr);
    ~TQevButton() override;
};
