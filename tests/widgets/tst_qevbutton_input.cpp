// SPDX-License-Identifier: MIT
// The button in use: pointer, mouse buttons and clicks, the popup menu, auto-repeat,
// cursor and sound, Enter/Escape/accelerator keys, focus, and the accessibility press.
#include "probe.h"
#include "soundplayer.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using B = TQevCustomButton;

namespace {

// An active window with one button at (20, 30) whose notifications are logged.
struct Stage {
    QWidget window;
    Probe* button = new Probe(&window);
    QStringList log;

    Stage()
    {
        window.resize(300, 200);
        button->move(20, 30);
        const auto note = [this](const char* what) { return [this, what] { log << QString::fromLatin1(what); }; };
        QObject::connect(button, &B::OnClick, note("click"));
        QObject::connect(button, &B::OnMouseDown, note("down"));
        QObject::connect(button, &B::OnMouseUp, note("up"));
        QObject::connect(button, &B::OnMouseOver, note("over"));
        QObject::connect(button, &B::OnMouseOut, note("out"));
    }

    bool show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

const QPoint Inside(10, 10);
const QPoint Outside(150, 10);

} // namespace

class TestInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testcolors::Install(); }

    void enterAndLeave()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        SendEnter(&b);
        QCOMPARE(b.lastLook(), Probe::lkHot);
        QCOMPARE(b.m_captionPlain, 0);
        SendLeave(&b);
        QCOMPARE(b.lastLook(), Probe::lkLeave);
        QCOMPARE(b.m_captionPlain, 1);
        QCOMPARE(b.m_pointerOut, 1);

        b.setEnabled(false);
        const int faces = b.facesDrawn();
        SendEnter(&b);
        SendLeave(&b);
        QCOMPARE(b.facesDrawn(), faces);
        QCOMPARE(s.log, QStringList({"over", "out"}));
    }

    void rightButtonDoesNothing()
    {
        Stage s;
        QVERIFY(s.show());
        SendEnter(s.button);
        const int faces = s.button->facesDrawn();
        QTest::mousePress(s.button, Qt::RightButton, {}, Inside);
        QTest::mouseRelease(s.button, Qt::RightButton, {}, Inside);
        QCOMPARE(s.button->facesDrawn(), faces);
        QCOMPARE(s.log, QStringList({"over"}));
    }

    void leftClick()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        SendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        QCOMPARE(b.lastLook(), Probe::lkPressed);
        QCOMPARE(b.m_pressOffset, 1);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, Inside);
        // No OnMouseDown without a menu; the click comes before OnMouseUp.
        QCOMPARE(s.log, QStringList({"over", "click", "up"}));
        QCOMPARE(b.lastLook(), Probe::lkHot);
        QCOMPARE(b.m_pressOffset, 0);
    }

    void dragOutAndBack()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        SendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        QTest::mouseMove(&b, Outside);
        QCOMPARE(b.lastLook(), Probe::lkLeave);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, Outside);
        QCOMPARE(s.log, QStringList({"over", "out"})); // released outside: nothing

        SendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        QTest::mouseMove(&b, Outside);
        QTest::mouseMove(&b, Inside);
        QCOMPARE(b.lastLook(), Probe::lkHot); // the pressed look is not restored
        QTest::mouseRelease(&b, Qt::LeftButton, {}, Inside);
        QCOMPARE(s.log.mid(2), QStringList({"over", "out", "over", "click", "up"}));
    }

    void doubleClick()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        QSignalSpy dbl(&b, &B::OnDblClick);
        SendEnter(&b);
        QTest::mouseClick(&b, Qt::LeftButton, {}, Inside);
        // The window system's second press: a press, then a double click, one time stamp.
        const auto send = [&](QEvent::Type type, Qt::MouseButtons buttons) {
            QMouseEvent e(type, QPointF(Inside), b.mapToGlobal(QPointF(Inside)), Qt::LeftButton, buttons, {});
            e.setTimestamp(4242);
            QApplication::sendEvent(&b, &e);
        };
        send(QEvent::MouseButtonPress, Qt::LeftButton);
        const int faces = b.facesDrawn();
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        QCOMPARE(b.facesDrawn(), faces); // the press handler ran once
        send(QEvent::MouseButtonRelease, Qt::NoButton);
        QCOMPARE(dbl.count(), 1);
        QCOMPARE(s.log.count(QStringLiteral("click")), 2);

        // A double click that comes alone runs the press handler itself.
        QTest::mouseDClick(&b, Qt::LeftButton, {}, Inside);
        QCOMPARE(s.log.count(QStringLiteral("click")), 3);
        QCOMPARE(b.lastLook(), Probe::lkPressed);
    }

    void popupMenuThenMouseDown()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        b.setPopupMenu(&menu);
        b.setRepeatAction(true);
        SendEnter(&b);
        bool pressedWhileOpen = false, timerWhileOpen = false;
        QTimer::singleShot(0, &menu, [&] {
            // Opening a menu makes Qt send a leave; the pressed look and the repeat stay.
            SendLeave(&b);
            pressedWhileOpen = b.lastLook() == Probe::lkPressed;
            timerWhileOpen = b.m_startTimer->isActive();
            s.log << QStringLiteral("menu");
            menu.close();
        });
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        QVERIFY(pressedWhileOpen);
        QVERIFY(timerWhileOpen);
        QVERIFY(!b.m_startTimer->isActive());
        QCOMPARE(s.log, QStringList({"over", "menu", "down"}));
        QCOMPARE(b.lastLook(), Probe::lkAfterPopup);
    }

    void popupPositions_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QPoint>("corner");  // menu corner relative to the button's
        QTest::addColumn<bool>("rightEdge"); // the corner is the menu's top-right
        QTest::newRow("down") << int(B::puDown) << QPoint(-1, 25) << false;
        QTest::newRow("left") << int(B::puLeft) << QPoint(-1, 0) << true;
        QTest::newRow("right") << int(B::puRight) << QPoint(75 + 1, 0) << false;
    }

    void popupPositions()
    {
        QFETCH(int, position);
        QFETCH(QPoint, corner);
        QFETCH(bool, rightEdge);
        Stage s;
        s.window.move(200, 150);
        QVERIFY(s.show());
        QMenu menu;
        menu.addAction(QStringLiteral("One"));
        s.button->setPopupMenu(&menu);
        s.button->setPositionPopup(B::TPositionPopup(position));
        QRect where;
        QTimer::singleShot(0, &menu, [&] {
            where = menu.geometry();
            menu.close();
        });
        s.button->Click(); // the click operation opens the attached menu as well
        const QPoint expected = s.button->mapToGlobal(QPoint(0, 0)) + corner;
        QCOMPARE(rightEdge ? QPoint(where.right() + 1, where.top()) : where.topLeft(), expected);
    }

    void repeatTickedByHand()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        b.setRepeatAction(true);
        b.setRepeatStartInterval(3600 * 1000); // no real tick gets in the way
        b.setRepeatInterval(3600 * 1000);
        SendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        QVERIFY(b.m_startTimer->isActive() && !b.m_repeatTimer->isActive());
        b.startTick();
        QVERIFY(!b.m_startTimer->isActive() && b.m_repeatTimer->isActive());
        b.repeatTick();
        b.repeatTick();
        QCOMPARE(s.log.count(QStringLiteral("click")), 2);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, Inside);
        QVERIFY(!b.m_startTimer->isActive() && !b.m_repeatTimer->isActive());
        QCOMPARE(s.log.count(QStringLiteral("click")), 3); // plus the ordinary click

        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        b.startTick();
        QTest::mouseMove(&b, Outside); // leaving while held stops the repeat
        QVERIFY(!b.m_startTimer->isActive() && !b.m_repeatTimer->isActive());

        // Switched off while running, the timer stops itself instead of idling on.
        b.setRepeatAction(false);
        b.m_repeatTimer->start();
        b.repeatTick();
        QVERIFY(!b.m_repeatTimer->isActive());
    }

    void repeatWithRealTimers()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        b.setRepeatAction(true);
        QList<qint64> at;
        QElapsedTimer clock;
        QObject::connect(&b, &B::OnClick, [&] { at << clock.elapsed(); });
        SendEnter(&b);
        clock.start();
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        // Lower bounds only: a busy machine may tick late, never early.
        QTRY_VERIFY_WITH_TIMEOUT(at.size() >= 3, 30000);
        QVERIFY2(at.first() >= 80, "first repeat after the start interval and one interval");
        QVERIFY(at.last() - at.first() >= 80);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, Inside);
        const qsizetype afterRelease = at.size();
        QTest::qWait(200);
        QCOMPARE(at.size(), afterRelease);
    }

    void repeatIntervalsOfZeroAndBelow_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("storedStart");
        QTest::addColumn<int>("storedInterval");
        // A zero interval is a timer that never runs; a negative one is refused.
        QTest::newRow("zero repeat interval") << 50 << 0 << 50 << 0;
        QTest::newRow("zero start interval") << 0 << 50 << 0 << 50;
        QTest::newRow("negative intervals") << -1 << -50 << 50 << 50;
    }

    void repeatIntervalsOfZeroAndBelow()
    {
        QFETCH(int, start);
        QFETCH(int, interval);
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        b.setRepeatAction(true);
        b.setRepeatStartInterval(start);
        b.setRepeatInterval(interval);
        QTEST(b.RepeatStartInterval(), "storedStart");
        QTEST(b.RepeatInterval(), "storedInterval");
        const bool repeats = b.RepeatStartInterval() > 0 && b.RepeatInterval() > 0;
        int clicks = 0;
        QObject::connect(&b, &B::OnClick, [&] { ++clicks; });
        SendEnter(&b);
        QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
        if (repeats) {
            QTRY_VERIFY(clicks >= 1);
        } else {
            QTest::qWait(200);
            QCOMPARE(clicks, 0);
            QVERIFY(!b.m_startTimer->isActive() && !b.m_repeatTimer->isActive());
        }
        QTest::mouseRelease(&b, Qt::LeftButton, {}, Inside);
        // Written as zero while held, the running repeat stops rather than spinning.
        if (repeats) {
            QTest::mousePress(&b, Qt::LeftButton, {}, Inside);
            QTRY_VERIFY(b.m_repeatTimer->isActive());
            b.setRepeatInterval(0);
            const int before = clicks;
            QTest::qWait(100);
            QCOMPARE(clicks, before);
            QTest::mouseRelease(&b, Qt::LeftButton, {}, Inside);
        }
    }

    void stockKindActions()
    {
        QDialog dialog;
        Probe ok(&dialog);
        ok.setButtonKind(B::skOK);
        int resultDuringClick = -1;
        QObject::connect(&ok, &B::OnClick, [&] { resultDuringClick = dialog.isVisible() ? dialog.result() : -2; });
        QTimer::singleShot(0, &ok, [&] { QTest::mouseClick(&ok, Qt::LeftButton, {}, Inside); });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(resultDuringClick, 0); // OnClick ran while the dialog was still open

        Probe no(&dialog);
        no.setButtonKind(B::skNo);
        QTimer::singleShot(0, &no, [&] { no.Click(); });
        QCOMPARE(dialog.exec(), 7);

        QDialog modeless;
        Probe retry(&modeless);
        retry.setButtonKind(B::skRetry);
        modeless.show();
        retry.Click();
        QCOMPARE(modeless.result(), 4);
        QVERIFY(modeless.isVisible()); // only a modal dialog closes on its result

        QWidget form;
        Probe close(&form);
        close.setButtonKind(B::skClose);
        form.show();
        close.Click();
        QVERIFY(!form.isVisible());

        // An action runs when no OnClick handler is connected.
        QAction action;
        QSignalSpy triggered(&action, &QAction::triggered);
        Probe plain;
        plain.setAction(&action);
        plain.Click();
        QCOMPARE(triggered.count(), 1);
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
        QCOMPARE(asked, 0); // no context anywhere: nothing happens
        form.setProperty("HelpContext", 12);
        help.Click();
        QCOMPARE(asked, 12);
        help.setHelpContext(3);
        help.Click();
        QCOMPARE(asked, 3);
        B::setHelpHandler(nullptr);
    }

    void enterAndEscapeKeys()
    {
        QWidget form;
        auto* edit = new QLineEdit(&form);
        auto* ok = new Probe(&form);
        ok->setButtonKind(B::skOK); // Default
        ok->move(0, 40);
        auto* cancel = new Probe(&form);
        cancel->setButtonKind(B::skCancel);
        cancel->move(80, 40);
        auto* other = new Probe(&form);
        other->setTabStop(true);
        other->move(160, 40);
        QSignalSpy okClicks(ok, &B::OnClick), cancelClicks(cancel, &B::OnClick), otherClicks(other, &B::OnClick);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        edit->setFocus();
        QTRY_VERIFY(ok->m_activeDefault);

        QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Escape, Qt::ShiftModifier);
        QCOMPARE(okClicks.count() + cancelClicks.count(), 0);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(okClicks.count(), 1);
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(cancelClicks.count(), 1);

        // With another button of this class focused, Enter is that button's.
        other->setFocus();
        QTRY_VERIFY(!ok->m_activeDefault);
        QTest::keyClick(other, Qt::Key_Return);
        QCOMPARE(otherClicks.count(), 1);
        QCOMPARE(okClicks.count(), 1);

        // A Default written later counts from the next focus change; a hidden one never.
        cancel->setDefault(true);
        edit->setFocus();
        QTRY_VERIFY(cancel->m_activeDefault);
        ok->hide();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(okClicks.count(), 1);
        QCOMPARE(cancelClicks.count(), 2);
    }

    void enterOnDialogWhoseButtonsTakeNoFocus()
    {
        QDialog dialog;
        auto* ok = new Probe(&dialog);
        ok->setButtonKind(B::skOK);
        auto* cancel = new Probe(&dialog);
        cancel->setButtonKind(B::skCancel);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(dialog.exec(), 1);
        QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(dialog.exec(), 2);
    }

    void accelerators()
    {
        QWidget form;
        auto* plain = new QPushButton(QStringLiteral("plain"), &form);
        auto* edit = new QLineEdit(&form);
        edit->move(0, 30);
        auto* help = new Probe(&form);
        help->setButtonKind(B::skHelp);
        help->move(0, 60);
        auto* ok = new Probe(&form);
        ok->setButtonKind(B::skOK);
        ok->move(80, 60);
        auto* amp = new Probe(&form);
        amp->setCaption(QStringLiteral("A&&B"));
        amp->move(160, 60);
        QSignalSpy helpClicks(help, &B::OnClick), okClicks(ok, &B::OnClick), ampClicks(amp, &B::OnClick);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        plain->setFocus();
        QTRY_VERIFY(plain->hasFocus());

        QTest::keyClick(plain, Qt::Key_H);
        QTest::keyClick(plain, Qt::Key_H, Qt::ShiftModifier);
        QTest::keyClick(plain, Qt::Key_H, Qt::AltModifier);
        QCOMPARE(helpClicks.count(), 3);
        QTest::keyClick(plain, Qt::Key_H, Qt::ControlModifier);
        QTest::keyClick(plain, Qt::Key_O);
        QTest::keyClick(plain, Qt::Key_B);
        QCOMPARE(helpClicks.count(), 3);
        QCOMPARE(okClicks.count() + ampClicks.count(), 0);

        // A field that takes typing keeps the character.
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClick(edit, Qt::Key_H);
        QCOMPARE(edit->text(), QStringLiteral("h"));
        QCOMPARE(helpClicks.count(), 3);
    }

    void framedStyleTakesFocus()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        b.setButtonStyle(B::stFrameRaised);
        auto* edit = new QLineEdit(&s.window);
        edit->move(0, 100);
        edit->show();
        edit->setFocus();
        QTRY_VERIFY(edit->hasFocus());
        auto* flat = new Probe(&s.window);
        flat->move(100, 30);
        flat->show();
        SendEnter(flat);
        QTest::mouseClick(flat, Qt::LeftButton, {}, Inside);
        QVERIFY(edit->hasFocus()); // flat buttons leave the focus alone

        SendEnter(&b);
        QTest::mouseClick(&b, Qt::LeftButton, {}, Inside);
        QTRY_VERIFY(b.hasFocus());
        QVERIFY(b.m_focusShown && b.m_activeDefault);
        edit->setFocus();
        QTRY_VERIFY(!b.m_focusShown);
        QVERIFY(!b.m_activeDefault);
    }

    void disablingWhileHot()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        b.setCaption(QStringLiteral("OK"));
        SendEnter(&b);
        const int faces = b.facesDrawn();
        b.setEnabled(false);
        QVERIFY(b.facesDrawn() > faces); // drawn at once
        b.setEnabled(true);
        // Enabled again, the caption keeps the font colour until the pointer enters anew.
        const QImage img = b.grab().toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY(!(img.pixelColor(x, y).blue() > 180 && img.pixelColor(x, y).red() < 80));
    }

    void handCursor()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        SendEnter(&b);
        QCOMPARE(b.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.cursor().hotSpot(), QPoint(0, 0));
        QCOMPARE(b.cursor().bitmap().size(), QSize(32, 32));
        SendLeave(&b);
        QVERIFY(!b.testAttribute(Qt::WA_SetCursor));
        b.setCursorHandCustom(false);
        SendEnter(&b);
        QVERIFY(!b.testAttribute(Qt::WA_SetCursor));
    }

    void hoverSoundNeverHangs()
    {
        Stage s;
        QVERIFY(s.show());
        s.button->setPlayMusic(true);
        QElapsedTimer clock;
        clock.start();
        SendEnter(s.button);
        // With or without a device the handler goes on within the sound's length plus
        // the player's deadline, far below this bound.
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(s.button->lastLook(), Probe::lkHot);
        clock.restart();
        QVERIFY(!qev::PlayWaveSync(QByteArray("RIFF\x10\0\0\0WAVEfmt ", 16)));
        QVERIFY(clock.elapsed() < 1000);
    }

    void accessiblePressClicks()
    {
        Stage s;
        QVERIFY(s.show());
        Probe& b = *s.button;
        b.setButtonKind(B::skHelp);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&b);
        QVERIFY(iface && iface->actionInterface());
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Help"));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        b.setEnabled(false);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(s.log, QStringList({"click"}));
    }

    void deletedByItsOwnClick()
    {
        QWidget form;
        auto* b = new Probe(&form);
        b->setButtonKind(B::skClose);
        QObject::connect(b, &B::OnClick, b, [b] { delete b; });
        QPointer<Probe> guard(b);
        b->Click(); // must not touch the button, or close the form, after that
        QVERIFY(!guard);
    }
};

QTEST_MAIN(TestInput)
#include "tst_qevbutton_input.moc"
