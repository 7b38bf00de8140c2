// SPDX-License-Identifier: MIT
// Keeps a dialog centred over its parent window, frame over frame, from its first
// showing on.
#pragma once

#include <QObject>

class QWidget;

namespace kolvane {

class CentredOverParent : public QObject {
    Q_OBJECT
public:
    enum class When { EveryShowing, FirstShowing };

    // Places `dialog` at each showing, or only at its first (a modeless window the user
    // may move stays where it was put); it must have a parent. The placer lives as long
    // as the dialog.
    static void install(QWidget* dialog, When when = When::EveryShowing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CentredOverParent(QWidget* dialog, When when);
    void place();

    QWidget* m_dialog;
    When m_when;
};

} // namespace kolvane
