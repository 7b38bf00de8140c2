// SPDX-License-Identifier: MIT
// Enter, Escape and access keys that reach a window go to its buttons: Enter to the
// Default one, Escape to the Cancel one, a typed character to the button whose caption
// marks it. The buttons' own part of it is TQevCustomButtonPrivate::WindowEvent.
#pragma once

namespace qev {

// Puts one router on the running application; again after a new application object
// replaced the old one, and otherwise never twice.
void InstallDialogKeyRouter();

} // namespace qev
