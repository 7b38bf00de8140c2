// SPDX-License-Identifier: MIT
#include "qevbutton.h"

TQevButton::TQevButton(QWidget* parent) : TQevCustomButton(parent) {}

TQevButton::~TQevButton() = default;
