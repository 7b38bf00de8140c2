// SPDX-License-Identifier: MIT
// What assistive tools see of the button: its caption as its name, and a press action
// that clicks it.
#pragma once

namespace qev {

// Makes Qt's accessibility ask this library for the button's interface; once per
// process, however often it is called.
void InstallButtonAccessibility();

} // namespace qev
