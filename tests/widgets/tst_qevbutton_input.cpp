// The button in use: pointer, mouse buttons and clicks, the popup menu, auto-repeat,
// cursor and sound, Enter/Escape/accelerator keys, focus, and the accessibility press.
#include "probe.h"
#include "soundplayer.h"

#include <QAccessible>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using B = TQevCustomButton;

namespace {

void enter(QWidget *w)
{
    const QPointF local(5, 5);
    QEnterEvent e(local, local, w->mapToGlobal(local));
    QApplication::sendEvent(w, &e);
}

void leave(QWidget *w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}

// A window holding one button at (20, 30), shown and active.
struct Stage
{
    QWidget window;
    Probe *button = new Probe(&window);
    QStringList log;

    Stage()
    {
        window.resize(300, 200);
        button->move(20, 30);
        QObject::connect(button, &B::OnClick, [this] { log << QStringLiteral("click"); });
        QObject::connect(button, &B::OnMouseDown, [this] { log << QStringLiteral("down"); });
        QObject::connect(button, &B::OnMouseUp, [this] { log << QStringLiteral("up"); });
        QObject::connect(button, &B::OnMouseOver, [this] { log << QStringLiteral("over"); });
        QObject::connect(button, &B::OnMouseOut, [this] { log << QStringLiteral("out"); });
    }

    bool show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

// Closes the popup menu as soon as it is open, noting where it stood.
void closeMenuWhenOpen(QMenu *menu, QRect *where, QStringList *log)
{
    QTimer::singleShot(0, menu, [=] {
        if (where)
            *where = menu->geometry();
        if (log)
            *log << QStringLiteral("menu");
        menu->close();
    });
}

} // namespace

class TestInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testcolors::install(); }

    void enterAndLeave()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setCaption(QStringLiteral("OK"));
        enter(&b);
        QCOMPARE(b.lastLook(), B::lkHot);
        QCOMPARE(b.CaptionPlain, 0);
        QCOMPARE(b.PointerOut, 0);
        leave(&b);
        QCOMPARE(b.lastLook(), B::lkLeave);
        QCOMPARE(b.CaptionPlain, 1);
        QCOMPARE(b.PointerOut, 1);
        QCOMPARE(s.log, QStringList({"over", "out"}));

        // Disabled, the pointer changes nothing.
        b.setEnabled(false);
        QTest::qWait(1);
        const int faces = b.facesDrawn();
        enter(&b);
        leave(&b);
        QCOMPARE(b.facesDrawn(), faces);
        QCOMPARE(s.log.size(), 2);
    }

    void rightButtonDoesNothing()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        enter(&b);
        const int faces = b.facesDrawn();
        QTest::mousePress(&b, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&b, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(b.facesDrawn(), faces);
        QCOMPARE(s.log, QStringList({"over"}));
    }

    void leftClick()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(b.lastLook(), B::lkPressed);
        QCOMPARE(b.PressOffset, 1);
        QCOMPARE(s.log, QStringList({"over"}));  // no OnMouseDown without a menu
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(s.log, QStringList({"over", "click", "up"}));
        QCOMPARE(b.lastLook(), B::lkHot);
        QCOMPARE(b.PressOffset, 0);
        QCOMPARE(b.CaptionPlain, 0);
    }

    void releaseOutsideFiresNothing()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(&b, QPoint(150, 10));
        QCOMPARE(b.lastLook(), B::lkLeave);
        QCOMPARE(b.PointerOut, 1);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(s.log, QStringList({"over", "out"}));
        QCOMPARE(b.lastLook(), B::lkLeave);
    }

    void backInBeforeReleaseClicks()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(&b, QPoint(150, 10));
        QTest::mouseMove(&b, QPoint(12, 12));
        QCOMPARE(b.lastLook(), B::lkHot);  // the pressed look is not restored
        QCOMPARE(b.PointerOut, 0);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(12, 12));
        QCOMPARE(s.log, QStringList({"over", "out", "over", "click", "up"}));
    }

    void doubleClickClicksTwice()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        QSignalSpy dbl(&b, &B::OnDblClick);
        enter(&b);
        // As the window system delivers it: the second press comes as a press and then
        // a double click with the same time stamp.
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
        const QPointF pos(10, 10);
        QMouseEvent press(QEvent::MouseButtonPress, pos, b.mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, {});
        press.setTimestamp(4242);
        QApplication::sendEvent(&b, &press);
        QMouseEvent dblClick(QEvent::MouseButtonDblClick, pos, b.mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, {});
        dblClick.setTimestamp(4242);
        const int faces = b.facesDrawn();
        QApplication::sendEvent(&b, &dblClick);
        QCOMPARE(b.facesDrawn(), faces);  // the press was drawn once, not again
        QMouseEvent release(QEvent::MouseButtonRelease, pos, b.mapToGlobal(pos), Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(&b, &release);
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(s.log.count(QStringLiteral("click")), 2);  // one per press
        QCOMPARE(s.log.count(QStringLiteral("up")), 2);

        // A double click that arrives alone runs the press handler itself.
        QTest::mouseDClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(dbl.count(), 2);
        QCOMPARE(s.log.count(QStringLiteral("click")), 3);
        QCOMPARE(b.lastLook(), B::lkPressed);
    }

    void popupMenuThenMouseDown()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        b.setPopupMenu(&menu);
        b.setRepeatAction(true);
        enter(&b);
        bool pressedWhileOpen = false, timerWhileOpen = false;
        QTimer::singleShot(0, &menu, [&] {
            // Opening a menu makes Qt send a leave; the pressed look and the repeat stay.
            leave(&b);
            pressedWhileOpen = b.lastLook() == B::lkPressed;
            timerWhileOpen = b.StartTimer->isActive();
            s.log << QStringLiteral("menu");
            menu.close();
        });
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(pressedWhileOpen);
        QVERIFY(timerWhileOpen);
        QVERIFY(!b.StartTimer->isActive());
        QCOMPARE(s.log, QStringList({"over", "menu", "down"}));
        QCOMPARE(b.lastLook(), B::lkAfterPopup);
        QCOMPARE(b.PressOffset, 0);
        QCOMPARE(b.CaptionPlain, 1);
    }

    void popupPositions_data()
    {
        QTest::addColumn<int>("position");
        QTest::newRow("down") << int(B::puDown);
        QTest::newRow("left") << int(B::puLeft);
        QTest::newRow("right") << int(B::puRight);
    }

    void popupPositions()
    {
        QFETCH(int, position);
        Stage s;
        s.window.move(200, 150);
        QVERIFY(s.show());
        Probe &b = *s.button;
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        menu.addAction(QStringLiteral("Two"));
        b.setPopupMenu(&menu);
        b.setPositionPopup(B::TPositionPopup(position));
        QRect where;
        closeMenuWhenOpen(&menu, &where, nullptr);
        b.Click();  // the click operation opens the attached menu too
        QCOMPARE(b.lastLook(), B::lkAfterPopup);
        const QPoint corner = b.mapToGlobal(QPoint(0, 0));
        switch (position) {
        case B::puDown:
            QCOMPARE(where.topLeft(), QPoint(corner.x() - 1, corner.y() + 25));
            break;
        case B::puLeft:
            QCOMPARE(where.right() + 1, corner.x() - 1);  // right edge at the point
            QCOMPARE(where.top(), corner.y());
            break;
        case B::puRight:
            QCOMPARE(where.topLeft(), QPoint(corner.x() + 75 + 1, corner.y()));
            break;
        }
    }

    void repeatDrivenByHand()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setRepeatAction(true);
        // Real ticks are kept out of the way; the test ticks the timers itself.
        b.setRepeatStartInterval(3600 * 1000);
        b.setRepeatInterval(3600 * 1000);
        enter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(b.StartTimer->isActive());
        QVERIFY(!b.RepeatTimer->isActive());
        b.StartTick();
        QVERIFY(!b.StartTimer->isActive());
        QVERIFY(b.RepeatTimer->isActive());
        QCOMPARE(s.log.count(QStringLiteral("click")), 0);
        b.RepeatTick();
        b.RepeatTick();
        b.RepeatTick();
        QCOMPARE(s.log.count(QStringLiteral("click")), 3);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!b.StartTimer->isActive() && !b.RepeatTimer->isActive());
        QCOMPARE(s.log.count(QStringLiteral("click")), 4);  // plus the ordinary click

        // Leaving while held stops the repeat.
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        b.StartTick();
        QTest::mouseMove(&b, QPoint(150, 10));
        QVERIFY(!b.StartTimer->isActive() && !b.RepeatTimer->isActive());
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(s.log.count(QStringLiteral("click")), 4);
    }

    void repeatWithRealTimers()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setRepeatAction(true);
        QList<qint64> at;
        QElapsedTimer clock;
        QObject::connect(&b, &B::OnClick, [&] { at << clock.elapsed(); });
        enter(&b);
        clock.start();
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(10, 10));
        // Only lower bounds: a busy machine may tick late, never early.
        QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 3, 30000);
        QVERIFY2(at.first() >= 80, "first repeat after the start interval plus one interval");
        QVERIFY(at.last() - at.first() >= 2 * 40);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(10, 10));
        const qsizetype afterRelease = at.size();
        QTest::qWait(200);
        QCOMPARE(at.size(), afterRelease);
    }

    void repeatWithoutOnClickHandlerStaysQuiet()
    {
        Probe b;
        b.setRepeatAction(true);
        QSignalSpy spy(&b, &B::OnClick);  // a spy connects, so test the unconnected path first
        b.disconnect();
        b.RepeatTick();
        b.setRepeatAction(false);
        b.RepeatTimer->start();
        b.RepeatTick();  // switched off while running: the timer stops itself
        QVERIFY(!b.RepeatTimer->isActive());
    }

    void stockKindActions()
    {
        QDialog dialog;
        Probe ok(&dialog);
        ok.setButtonKind(B::skOK);
        bool openDuringClick = false;
        int resultDuringClick = -1;
        QObject::connect(&ok, &B::OnClick, [&] {
            openDuringClick = dialog.isVisible();
            resultDuringClick = dialog.result();
        });
        QTimer::singleShot(0, &ok, [&] { QTest::mouseClick(&ok, Qt::LeftButton, {}, QPoint(10, 10)); });
        QCOMPARE(dialog.exec(), 1);
        QVERIFY(openDuringClick);
        QCOMPARE(resultDuringClick, 0);

        Probe no(&dialog);
        no.setButtonKind(B::skNo);
        QTimer::singleShot(0, &no, [&] { no.Click(); });
        QCOMPARE(dialog.exec(), 7);

        dialog.show();
        Probe silly(&dialog);
        silly.setButtonKind(B::skSilly);
        silly.Click();
        QVERIFY(dialog.isVisible());
        dialog.hide();

        QWidget form;
        Probe close(&form);
        close.setButtonKind(B::skClose);
        form.show();
        close.Click();
        QVERIFY(!form.isVisible());

        Probe alone;  // no parent form: OnClick only
        alone.setButtonKind(B::skOK);
        QSignalSpy clicks(&alone, &B::OnClick);
        alone.Click();
        QCOMPARE(clicks.count(), 1);
    }

    void helpLooksUpTheParents()
    {
        static int asked = 0;
        B::setHelpHandler([](int context) { asked = context; });
        QWidget form;
        QWidget panel(&form);
        Probe help(&panel);
        help.setButtonKind(B::skHelp);
        help.Click();
        QCOMPARE(asked, 0);  // nobody has a context: nothing happens
        form.setProperty("HelpContext", 12);
        help.Click();
        QCOMPARE(asked, 12);
        panel.setProperty("HelpContext", 7);
        help.Click();
        QCOMPARE(asked, 7);
        help.setHelpContext(3);
        help.Click();
        QCOMPARE(asked, 3);
        B::setHelpHandler(nullptr);
    }

    void enterAndEscapeKeys()
    {
        QWidget form;
        auto *edit = new QLineEdit(&form);
        auto *ok = new Probe(&form);
        ok->setButtonKind(B::skOK);  // Default
        ok->move(0, 40);
        auto *cancel = new Probe(&form);
        cancel->setButtonKind(B::skCancel);
        cancel->move(80, 40);
        auto *other = new Probe(&form);
        other->setTabStop(true);
        other->move(160, 40);
        QSignalSpy okClicks(ok, &B::OnClick), cancelClicks(cancel, &B::OnClick), otherClicks(other, &B::OnClick);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QVERIFY(ok->ActiveDefault);
        QVERIFY(!cancel->ActiveDefault);

        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClick(edit, Qt::Key_Escape, Qt::AltModifier);
        QCOMPARE(okClicks.count() + cancelClicks.count(), 0);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(okClicks.count(), 1);
        QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(okClicks.count(), 2);
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(cancelClicks.count(), 1);

        // Focus on another button of this class: Enter is that button's.
        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QVERIFY(!ok->ActiveDefault);
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(otherClicks.count(), 1);
        QCOMPARE(okClicks.count(), 2);

        // A hidden default button cannot take the key.
        edit->setFocus();
        QTRY_VERIFY(ok->ActiveDefault);
        ok->hide();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(okClicks.count(), 2);
    }

    void enterOnDialogWhoseButtonsTakeNoFocus()
    {
        QDialog dialog;
        auto *ok = new Probe(&dialog);
        ok->setButtonKind(B::skOK);
        auto *cancel = new Probe(&dialog);
        cancel->setButtonKind(B::skCancel);
        cancel->move(80, 0);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), 1);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), 2);
    }

    void defaultTakesEffectAtNextFocusChange()
    {
        QWidget form;
        auto *edit = new QLineEdit(&form);
        auto *edit2 = new QLineEdit(&form);
        edit2->move(0, 30);
        auto *b = new Probe(&form);
        b->move(0, 60);
        QSignalSpy clicks(b, &B::OnClick);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        b->setDefault(true);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(clicks.count(), 0);
        edit2->setFocus();
        QTRY_VERIFY(b->ActiveDefault);
        QTest::keyClick(edit2, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
    }

    void accelerators()
    {
        QWidget form;
        auto *plain = new QPushButton(QStringLiteral("plain"), &form);
        auto *edit = new QLineEdit(&form);
        edit->move(0, 30);
        auto *help = new Probe(&form);
        help->setButtonKind(B::skHelp);
        help->move(0, 60);
        auto *ok = new Probe(&form);
        ok->setButtonKind(B::skOK);
        ok->move(80, 60);
        auto *amp = new Probe(&form);
        amp->setCaption(QStringLiteral("A&&B"));
        amp->move(160, 60);
        QSignalSpy helpClicks(help, &B::OnClick), okClicks(ok, &B::OnClick), ampClicks(amp, &B::OnClick);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        plain->setFocus();
        QTRY_VERIFY(plain->hasFocus());

        QTest::keyClick(plain, Qt::Key_H);
        QCOMPARE(helpClicks.count(), 1);
        QTest::keyClick(plain, Qt::Key_H, Qt::ShiftModifier);
        QCOMPARE(helpClicks.count(), 2);
        QTest::keyClick(plain, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(helpClicks.count(), 3);
        QTest::keyClick(plain, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(helpClicks.count(), 3);
        QTest::keyClick(plain, Qt::Key_O);
        QTest::keyClick(plain, Qt::Key_K);
        QTest::keyClick(plain, Qt::Key_B);
        QCOMPARE(okClicks.count(), 0);
        QCOMPARE(ampClicks.count(), 0);

        // A field that takes the typing keeps the character.
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_H);
        QCOMPARE(helpClicks.count(), 3);
        QCOMPARE(edit->text(), QStringLiteral("h"));

        help->setEnabled(false);
        plain->setFocus();
        QTest::keyClick(plain, Qt::Key_H);
        QCOMPARE(helpClicks.count(), 3);
    }

    void framedStyleFocus()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setButtonStyle(B::stFrameRaised);
        auto *edit = new QLineEdit(&s.window);
        edit->move(0, 100);
        edit->show();
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        enter(&b);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(10, 10));
        QTRY_VERIFY(b.hasFocus());
        QVERIFY(b.FocusShown);
        QVERIFY(b.ActiveDefault);
        edit->setFocus();
        QTRY_VERIFY(!b.FocusShown);
        QVERIFY(!b.ActiveDefault);

        // Flat buttons do not take the focus.
        Probe *flat = new Probe(&s.window);
        flat->move(100, 30);
        flat->show();
        enter(flat);
        QTest::mouseClick(flat, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(edit->hasFocus());
    }

    void disablingWhileHot()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setCaption(QStringLiteral("OK"));
        enter(&b);
        QCOMPARE(b.CaptionPlain, 0);
        const int faces = b.facesDrawn();
        b.setEnabled(false);
        QVERIFY(b.facesDrawn() > faces);  // drawn at once
        QCOMPARE(b.CaptionPlain, 1);
        b.setEnabled(true);
        const QImage img = b.grab().toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                QVERIFY2(!(c.blue() > 180 && c.red() < 80), "caption back in the font colour");
            }
    }

    void handCursor()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        enter(&b);
        QVERIFY(b.testAttribute(Qt::WA_SetCursor));
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.cursor().hotSpot(), QPoint(0, 0));
        QCOMPARE(b.cursor().bitmap().size(), QSize(32, 32));
        leave(&b);
        QVERIFY(!b.testAttribute(Qt::WA_SetCursor));

        b.setCursorHandCustom(false);
        enter(&b);
        QVERIFY(!b.testAttribute(Qt::WA_SetCursor));
    }

    void hoverSoundNeverHangs()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setPlayMusic(true);
        QElapsedTimer clock;
        clock.start();
        enter(&b);
        // With or without a device the handler goes on: at most the sound's length
        // plus the player's deadline, far below this bound.
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(b.lastLook(), B::lkHot);
        QCOMPARE(s.log, QStringList({"over"}));

        clock.restart();
        QVERIFY(!qev::playWaveSync(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)));
        QVERIFY(!qev::playWaveSync(QByteArray()));
        QVERIFY(clock.elapsed() < 1000);
    }

    void accessiblePressClicks()
    {
        Stage s;
        QVERIFY(s.show());
        Probe &b = *s.button;
        b.setButtonKind(B::skHelp);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&b);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Help"));
        QAccessibleActionInterface *actions = iface->actionInterface();
        QVERIFY(actions);
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(s.log, QStringList({"click"}));
        b.setEnabled(false);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(s.log, QStringList({"click"}));
    }

    void deletedByItsOwnClick()
    {
        QWidget form;
        auto *b = new Probe(&form);
        b->setButtonKind(B::skClose);
        QObject::connect(b, &B::OnClick, b, [b] { delete b; });
        QPointer<Probe> guard(b);
        b->Click();
        QVERIFY(!guard);
    }
};

QTEST_MAIN(TestInput)
#include "tst_qevbutton_input.moc"
