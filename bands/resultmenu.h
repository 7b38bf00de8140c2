// SPDX-License-Identifier: MIT
// The copy menu of a colour-code page's value label, with "Look up…" after the copy
// items: offered on a right click, on the menu key and Shift+F10 while the label has
// the focus (Tab reaches it), and to assistive tools as the label's "show menu" action.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QLabel;

namespace kolvane {

class ResultMenu : public QObject {
    Q_OBJECT
public:
    // Each text is asked for when its item is chosen, so the menu never copies a stale value.
    struct Texts {
        std::function<QString()> value;
        std::function<QString()> letters;
        std::function<QString()> colours;
    };
    // `lookUp` runs for "Look up…".
    ResultMenu(QLabel* label, Texts texts, std::function<void()> lookUp, QObject* parent);

    // Items can be chosen only while the label shows a value.
    void setAvailable(bool available);

private:
    QList<QAction*> m_items;
};

} // namespace kolvane
