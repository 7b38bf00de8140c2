// SPDX-License-Identifier: MIT
// Our own accessibility interfaces for chosen widgets: a widget is marked with the
// function that makes its interface, and assistive tools meet that interface instead
// of the one Qt makes for the widget's class.
#pragma once

#include <QAccessibleInterface>

#include <functional>

class QObject;
class QWidget;

namespace kolvane {

using AccessibleMaker = QAccessibleInterface* (*)(QObject* widget);

// An AccessibleMaker for `Interface`, constructed from the widget as a `Widget*`.
template <typename Interface, typename Widget>
QAccessibleInterface* MakeAccessible(QObject* widget)
{
    return new Interface(static_cast<Widget*>(widget));
}

// From now on `widget`'s interface is the one `make` makes. One Qt made for it before
// (assistive tools may have looked while the window was built) is dropped, so the
// next one asked for is ours.
void UseAccessible(QWidget* widget, AccessibleMaker make);

// Runs `action` once the current call has returned: an assistive tool's action that
// opens a window or a menu must not wait for its loop. Dropped if `widget` goes first.
void RunAfterCall(QWidget* widget, std::function<void()> action);

} // namespace kolvane
