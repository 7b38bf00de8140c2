// SPDX-License-Identifier: MIT
// A seeded random walk over owner-drawn buttons set up as in the gallery's live part
// (popup menus in every position, auto-repeat, stock kinds, Default and Cancel):
// pointer in and out, presses and releases of every mouse button inside and outside,
// double clicks, keys, and changes of style, kind, caption and enabled state while in
// use. After every action: no menu is left open, no mouse grab and no repeat timer
// outlives the release, and a mouse click on a button without a menu is counted as the
// click detection says.
//
//   test_buttonmonkey [-seed N] [-actions N]   (or KOLVANE_MONKEY_SEED / _ACTIONS)
#include "tests/widgets/probe.h"

#include <QDialog>
#include <QMenu>
#include <QMetaEnum>
#include <QTimer>
#include <QTest>

#include <cstdio>
#include <random>

namespace {

std::uint64_t Seed = 1;
std::int64_t Actions = 10000;

class ButtonMonkey {
public:
    explicit ButtonMonkey(std::uint64_t seed) : m_rng(seed)
    {
        m_host.resize(420, 200);
        m_menu = new QMenu(&m_host);
        for (const char* item : {"First", "Second", "Third"})
            m_menu->addAction(QString::fromLatin1(item));
        const char* const names[] = {"down", "left", "right", "repeat", "ok", "cancel", "help", "close", "plain"};
        for (int i = 0; i < 9; ++i) {
            auto* b = new Probe(&m_host);
            b->setObjectName(QString::fromLatin1(names[i]));
            b->setGeometry(10 + (i % 4) * 100, 10 + (i / 4) * 50, 90, 30);
            b->setCaption(caption(i, 0));
            // Ticks would depend on the clock; the walk never waits that long.
            b->setRepeatStartInterval(1 << 30);
            b->setRepeatInterval(1 << 30);
            QObject::connect(b, &TQevCustomButton::OnClick, [this, i] { ++m_clicks[static_cast<std::size_t>(i)]; });
            m_buttons.push_back(b);
        }
        for (int i = 0; i < 3; ++i) {
            m_buttons[static_cast<std::size_t>(i)]->setPopupMenu(m_menu);
            m_buttons[static_cast<std::size_t>(i)]->setPositionPopup(TQevButton::TPositionPopup(i));
            m_buttons[static_cast<std::size_t>(i)]->setButtonStyle(i == 0 ? TQevButton::stFlat
                                                                          : TQevButton::stFrameRaised);
        }
        m_buttons[3]->setRepeatAction(true);
        m_buttons[4]->setButtonKind(TQevButton::skOK);
        m_buttons[4]->setDefault(true);
        m_buttons[5]->setButtonKind(TQevButton::skCancel);
        m_buttons[5]->setCancel(true);
        m_buttons[6]->setButtonKind(TQevButton::skHelp);
        m_buttons[7]->setButtonKind(TQevButton::skClose);
        TQevCustomButton::setHelpHandler([](int) {});

        m_menuTimer.setInterval(0);
        QObject::connect(&m_menuTimer, &QTimer::timeout, [this] { closeMenu(); });
        m_host.show();
        m_host.activateWindow();
        QApplication::setActiveWindow(&m_host);
    }

    bool run(std::int64_t total)
    {
        while (m_failure.isEmpty() && m_step < total) {
            ++m_step;
            act();
            m_recent << QStringLiteral("%1: %2").arg(m_step).arg(m_last);
            if (m_recent.size() > 12)
                m_recent.removeFirst();
            QCoreApplication::processEvents();
            check();
        }
        return m_failure.isEmpty();
    }

    QString failure() const
    {
        return m_failure + QStringLiteral("\n  last actions:\n    ") + m_recent.join(QStringLiteral("\n    "));
    }
    std::int64_t steps() const { return m_step; }
    std::int64_t repeatsPastRelease() const { return m_repeatsPastRelease; }
    std::int64_t menusShown() const { return m_menusShown; }
    std::int64_t keyedClicks() const { return m_keyedClicks; }

private:
    // Captions keep one access key per button, so Alt+key names one button.
    static QString caption(int button, int variant)
    {
        const QString letter = QString(QChar(u'A' + button));
        switch (variant % 4) {
        case 0: return QStringLiteral("&") + letter + QStringLiteral("ction");
        case 1: return letter + QStringLiteral(" &&") + QStringLiteral("&") + letter.toLower();
        case 2: return QString();
        default: return QStringLiteral("&") + letter + QString(40, QLatin1Char('w'));
        }
    }

    int pick(int n) { return static_cast<int>(m_rng() % static_cast<std::uint64_t>(n)); }

    void fail(const QString& what)
    {
        if (m_failure.isEmpty())
            m_failure = QStringLiteral("seed %1, step %2: %3").arg(Seed).arg(m_step).arg(what);
    }

    template <typename Fn>
    void withMenus(Fn&& fn)
    {
        m_menuTimer.start();
        fn();
        m_menuTimer.stop();
    }

    void closeMenu()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        ++m_menusShown;
        switch (pick(3)) {
        case 0: QTest::keyClick(menu, Qt::Key_Escape); break;
        case 1:
            menu->actions().at(pick(3))->trigger();
            menu->close();
            break;
        default: menu->close(); break;
        }
    }

    // The pointer is over one button at most: entering one leaves the last.
    void hover(Probe* b)
    {
        if (m_hovered == b)
            return;
        if (m_hovered)
            SendLeave(m_hovered);
        m_hovered = b;
        if (b)
            SendEnter(b);
    }

    // A double click as the window system delivers it: a click, then a press and a
    // double-click event with the same time stamp, then the release.
    void doubleClick(QWidget* w, QPoint pos)
    {
        QTest::mouseClick(w, Qt::LeftButton, {}, pos);
        const auto send = [&](QEvent::Type type, Qt::MouseButtons held, quint64 time) {
            QMouseEvent e(type, pos, w->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
            e.setTimestamp(time);
            QApplication::sendEvent(w, &e);
        };
        m_time += 100000;
        send(QEvent::MouseButtonPress, Qt::LeftButton, m_time);
        send(QEvent::MouseButtonDblClick, Qt::LeftButton, m_time);
        send(QEvent::MouseButtonRelease, Qt::NoButton, m_time + 1);
    }

    void act()
    {
        const int i = pick(static_cast<int>(m_buttons.size()));
        Probe* b = m_buttons[static_cast<std::size_t>(i)];
        const std::int64_t before = m_clicks[static_cast<std::size_t>(i)];
        const bool countable = !b->PopupMenu() && b->isEnabled();
        const QPoint inside(1 + pick(b->width() - 2), 1 + pick(b->height() - 2));
        const QPoint outside(b->width() + 5 + pick(20), b->height() / 2);
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[pick(4)];
        const int r = pick(100);
        std::int64_t expected = -1; // the clicks this action must add, when known
        if (r < 30) {
            m_last = QStringLiteral("click %1 with %2").arg(b->objectName()).arg(int(button));
            hover(b);
            withMenus([&] { QTest::mousePress(b, button, {}, inside); });
            withMenus([&] { QTest::mouseRelease(b, button, {}, inside); });
            expected = button == Qt::LeftButton ? 1 : 0;
        } else if (r < 42) {
            m_last = QStringLiteral("press %1, leave, release outside").arg(b->objectName());
            hover(b);
            withMenus([&] { QTest::mousePress(b, button, {}, inside); });
            hover(nullptr);
            withMenus([&] { QTest::mouseRelease(b, button, {}, outside); });
            expected = 0;
        } else if (r < 50) {
            m_last = QStringLiteral("double click %1").arg(b->objectName());
            hover(b);
            withMenus([&] { doubleClick(b, inside); });
            expected = 2;
        } else if (r < 60) {
            m_last = QStringLiteral("pointer in and out of %1").arg(b->objectName());
            hover(b);
            hover(nullptr);
            expected = 0;
        } else if (r < 72) {
            const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space, Qt::Key_Tab};
            const Qt::Key key = keys[pick(5)];
            const bool alt = pick(4) == 0;
            m_last = QStringLiteral("key %1%2 on %3")
                         .arg(alt ? QStringLiteral("Alt+") : QString(), QKeySequence(key).toString(), b->objectName());
            if (b->isEnabled())
                b->setFocus();
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_host;
            withMenus([&] { QTest::keyClick(target, key, alt ? Qt::AltModifier : Qt::NoModifier); });
            // Enter clicks the focused button of this kind once.
            if (target == b && !alt && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
                expected = 1;
                m_keyedClicks += countable;
            }
        } else if (r < 78) {
            const int letter = pick(static_cast<int>(m_buttons.size()));
            m_last = QStringLiteral("Alt+%1").arg(QChar(u'A' + letter));
            withMenus([&] { QTest::keyClick(&m_host, char('a' + letter), Qt::AltModifier); });
        } else if (r < 82) {
            m_last = QStringLiteral("Click() on %1").arg(b->objectName());
            withMenus([&] { b->Click(); });
        } else if (r < 88) {
            m_last = QStringLiteral("toggle enabled of %1").arg(b->objectName());
            b->setEnabled(!b->isEnabled());
        } else if (r < 93) {
            const QMetaEnum styles = QMetaEnum::fromType<TQevButton::TStyle>();
            m_last = QStringLiteral("style of %1").arg(b->objectName());
            b->setButtonStyle(TQevButton::TStyle(styles.value(pick(styles.keyCount()))));
        } else if (r < 97) {
            m_last = QStringLiteral("caption of %1").arg(b->objectName());
            b->setCaption(caption(i, pick(4)));
        } else {
            const QMetaEnum layouts = QMetaEnum::fromType<TQevButton::TLayout>();
            m_last = QStringLiteral("layout and hot track of %1").arg(b->objectName());
            b->setLayout(TQevButton::TLayout(layouts.value(pick(layouts.keyCount()))));
            b->setHotTrack(!b->HotTrack());
            b->setPopupMenuMark(!b->PopupMenuMark());
        }
        // A click by the mouse on a button without a menu is counted exactly.
        if (expected >= 0 && countable && m_clicks[static_cast<std::size_t>(i)] - before != expected)
            fail(QStringLiteral("%1 clicks from \"%2\", expected %3")
                     .arg(m_clicks[static_cast<std::size_t>(i)] - before)
                     .arg(m_last)
                     .arg(expected));
        if (!b->isEnabled() && m_clicks[static_cast<std::size_t>(i)] != before && expected >= 0)
            fail(QStringLiteral("a disabled button clicked: %1").arg(m_last));
        // A Close button closes the host; a person would open it again.
        if (!m_host.isVisible()) {
            m_host.show();
            m_host.activateWindow();
            QApplication::setActiveWindow(&m_host);
        }
    }

    void check()
    {
        if (QApplication::activePopupWidget())
            fail(QStringLiteral("a menu is left open after \"%1\"").arg(m_last));
        if (QWidget::mouseGrabber())
            fail(QStringLiteral("the mouse is still grabbed after \"%1\"").arg(m_last));
        for (Probe* b : m_buttons) {
            // A button that the pointer entered while it was disabled ignores releases
            // until the pointer leaves (the documented release rule), so its repeat may
            // run on until then; that case is counted, not failed.
            const bool running =
                (b->m_repeatTimer && b->m_repeatTimer->isActive()) || (b->m_startTimer && b->m_startTimer->isActive());
            if (running && b->m_pointerOut == 1) {
                ++m_repeatsPastRelease;
                continue;
            }
            if (running)
                fail(QStringLiteral("%1 repeats after \"%2\" (pointer out %3, enabled %4)")
                         .arg(b->objectName(), m_last)
                         .arg(b->m_pointerOut)
                         .arg(b->isEnabled()));
        }
        // Every face draws, whatever the state the walk left.
        if (m_step % 50 == 0 && m_host.grab().isNull())
            fail(QStringLiteral("the buttons could not be drawn"));
    }

    std::mt19937_64 m_rng;
    QDialog m_host;
    QMenu* m_menu = nullptr;
    std::vector<Probe*> m_buttons;
    std::array<std::int64_t, 9> m_clicks{};
    QTimer m_menuTimer;
    std::int64_t m_step = 0;
    std::int64_t m_menusShown = 0;
    quint64 m_time = 1ull << 40;
    Probe* m_hovered = nullptr;
    std::int64_t m_repeatsPastRelease = 0;
    std::int64_t m_keyedClicks = 0;
    QString m_failure, m_last;
    QStringList m_recent;
};

} // namespace

class ButtonMonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void walk()
    {
        ButtonMonkey monkey(Seed);
        QVERIFY2(monkey.run(Actions), qPrintable(monkey.failure()));
        QCOMPARE(monkey.steps(), Actions);
        // Printed past the test log's cap on messages.
        std::printf("seed %llu: %lld actions, %lld menus answered, %lld Enter clicks counted; repeat running on "
                    "after an ignored release: %lld checks\n",
                    static_cast<unsigned long long>(Seed), static_cast<long long>(Actions),
                    static_cast<long long>(monkey.menusShown()), static_cast<long long>(monkey.keyedClicks()),
                    static_cast<long long>(monkey.repeatsPastRelease()));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("KOLVANE_MONKEY_SEED"))
        Seed = qEnvironmentVariable("KOLVANE_MONKEY_SEED").split(QLatin1Char(',')).front().toULongLong();
    if (qEnvironmentVariableIsSet("KOLVANE_MONKEY_ACTIONS"))
        Actions = qEnvironmentVariable("KOLVANE_MONKEY_ACTIONS").toLongLong();
    QStringList args;
    const QStringList all = QCoreApplication::arguments();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i] == QStringLiteral("-seed") && i + 1 < all.size())
            Seed = all[++i].toULongLong();
        else if (all[i] == QStringLiteral("-actions") && i + 1 < all.size())
            Actions = all[++i].toLongLong();
        else
            args << all[i];
    }
    testcolors::Install();
    ButtonMonkeyTest test;
    return QTest::qExec(&test, args);
}

#include "test_buttonmonkey.moc"
