// SPDX-License-Identifier: MIT
// How the program answers the user outside its pages: the system beep, the range
// messages, and the general error box for an error that escapes an event handler.
#pragma once

#include "version.h"

#include <QString>

#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>

class QWidget;

namespace kolvane {

inline const QString ApplicationTitle = QStringLiteral("Kolvane v." KOLVANE_VERSION);

// An error raised inside a handler; the guard turns it into the general error box.
class HandlerError : public std::runtime_error {
public:
    // The message is kept as given: a pasted text may hold a NUL character, which
    // would cut what() short.
    explicit HandlerError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

// The system's default beep. Tests replace the sound with a counter.
void SystemBeep();
void SetBeepHook(std::function<void()> hook);

// A modal box without an icon, with the application title and one OK button. Message
// boxes are at least as wide as their title bar needs to show the title whole.
void ShowMessage(QWidget* parent, const QString& text);

// The width a window needs for the window manager to show `title` whole in its title
// bar, beside the bar's icon and buttons.
int TitleBarWidth(const QString& title);

// The general error box: the message with a full stop appended when its last
// character sorts after '.', the application title, the error icon, one OK button.
void ShowErrorBox(QWidget* parent, const QString& message);
QString ErrorBoxText(const QString& message);

// Runs a handler and shows any error that escapes it in the general error box.
// Exceptions must never unwind through Qt's own frames, so every handler that can
// throw is bound through this guard.
template <typename Fn>
auto Guarded(QWidget* owner, Fn fn)
{
    return [owner, fn = std::move(fn)](auto&&... args) {
        try {
            fn(std::forward<decltype(args)>(args)...);
        } catch (const HandlerError& e) {
            ShowErrorBox(owner, e.message());
        } catch (const std::exception& e) {
            ShowErrorBox(owner, QString::fromLocal8Bit(e.what()));
        }
    };
}

} // namespace kolvane
