// SPDX-License-Identifier: MIT
// Places a dialog or window centred over its parent window, frame over frame, from its
// first showing on.
#pragma once

#include <QObject>

class QWidget;

namespace kolvane {

class CentredOverParent : public QObject {
    Q_OBJECT
public:
    enum When {
        EveryShowing, // a dialog: centred again each time it opens
        FirstShowing, // a window the user may move: where the user leaves it after that
    };
    // Places `dialog` when it shows; it must have a parent. The placer lives as long
    // as the dialog.
    static void install(QWidget* dialog, When when = EveryShowing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CentredOverParent(QWidget* dialog, When when);
    void place();

    QWidget* m_dialog;
    When m_when;
};

} // namespace kolvane
