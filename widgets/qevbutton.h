// TQevButton: the owner-drawn push button as placed on forms and in Qt Designer. All
// state, behaviour and properties live in TQevCustomButton; this is the class that
// forms name.
#pragma once

#include "qevcustombutton.h"

class TQevButton : public TQevCustomButton
{
    Q_OBJECT

public:
    explicit TQevButton(QWidget *parent = nullptr);
    ~TQevButton() override;
};
