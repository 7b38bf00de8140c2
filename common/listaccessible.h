// SPDX-License-Identifier: MIT
// A drop-down list named by its purpose for assistive tools. Qt's own interface for a
// combo box on Linux reports the current item as the list's name, whatever name is set,
// so a screen reader would announce "5%" where the user needs "Tolerance".
#pragma once

#include <QString>

class QComboBox;

namespace kolvane {

// Names `list` `name` for assistive tools; its value stays the current item, its
// child the list of items, and its actions open and close the list.
void NameList(QComboBox* list, const QString& name);

} // namespace kolvane
