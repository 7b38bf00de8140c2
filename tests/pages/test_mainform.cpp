// SPDX-License-Identifier: MIT
// The frame: start-up state, the window's fixed size, menus with their access keys and
// shortcuts, the help page, the maker's pages, and the general error box.
#include "version.h"
#include "addresses.h"
#include "feedback.h"
#include "lookupwindow.h"
#include "placement.h"
#include "tests/support/apphost.h"
#include "tests/support/modalwatch.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QAccessible>
#include <QDesktopServices>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace kolvane;
using namespace kolvane::test;

// Records what the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

class MainFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startUp();
    void menusAndAccessKeys();
    void shortcutsSwitchPagesAndKeepTheirState();
    void helpPageOpensOnlyWhenPresent();
    void makerPages();
    void aboutOpensFromAField();
    void menuCommandsReturnBeforeTheirDialog();
    void nothingUnderAModalDialogActs();
    void errorBoxFullStopRule_data();
    void errorBoxFullStopRule();
    void exitClosesTheWindow();
    void dialogsAreMadeOnFirstUseOnly();
    void dialogsOpenCentredFromTheFirstTime();
    void lookUpOpensBesideTheFirstTimeAndStaysWhereMoved();
    void menuBarStaysInTheWindowBesideAGlobalMenu();

private:
    void activate()
    {
        host->main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host->main()));
    }
    std::unique_ptr<AppHost> host;
    UrlRecorder recorder;
};

// A desktop with a global menu announces a registrar on the session bus. Where there
// is a bus, this run announces one before the first window, as such a desktop would.
static const QString GlobalMenuRegistrar = QStringLiteral("com.canonical.AppMenu.Registrar");

void MainFormTest::initTestCase()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.registerService(GlobalMenuRegistrar);
}

void MainFormTest::init()
{
    for (const char* scheme : {"file", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
    recorder.opened.clear();
    host = std::make_unique<AppHost>();
}

void MainFormTest::cleanup()
{
    host.reset();
    for (const char* scheme : {"file", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void MainFormTest::startUp()
{
    auto& main = host->main();
    QCOMPARE(main.windowTitle(), QStringLiteral("Kolvane v" KOLVANE_VERSION));
    QCOMPARE(host->f().centralwidget->size(), QSize(586, 283));
    QCOMPARE(main.minimumSize(), main.maximumSize());
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(host->f().PageControl1->currentIndex(), 0);
    QCOMPARE(host->f().PageControl1->geometry(), QRect(0, 0, 585, 281));
    const QStringList tabs = {"Resistor", "Capasitor", "Amount of resistors", "Amount of capasitor"};
    for (int i = 0; i < tabs.size(); ++i)
        QCOMPARE(host->f().PageControl1->tabText(i), tabs[i]);
    const LastReadings& read = main.lastReadings();
    QCOMPARE(read.resistor.digits, (std::array<std::int8_t, 3>{-1, -1, -1}));
    QCOMPARE(read.capacitor.digits, (std::array<std::int8_t, 3>{0, 0, 0}));
    // The dialogs come hidden, owned by the main window.
    QVERIFY(host->windows.colorForm() && !host->windows.colorForm()->isVisible());
    QVERIFY(host->windows.about() && !host->windows.about()->isVisible());
    QCOMPARE(host->windows.colorForm()->windowTitle(), QStringLiteral("Kolvane"));
}

void MainFormTest::menusAndAccessKeys()
{
    auto& f = host->f();
    QStringList bar;
    for (QAction* a : f.MainMenu1->actions())
        bar << a->text();
    QCOMPARE(bar, (QStringList{"&File", "&Unit", "&Help"}));
    const auto texts = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('|') + a->shortcut().toString());
        return out;
    };
    QCOMPARE(texts(f.File1), (QStringList{"&Look up\u2026|Ctrl+L", "&Print labels\u2026|Ctrl+P", "-", "&Exit|"}));
    QCOMPARE(texts(f.Unit1), (QStringList{"&Resistor|Ctrl+F1", "&Capasitor|Ctrl+F2", "-", "&Amount of resistor|Ctrl+F3",
                                          "A&mount of capasitor|Ctrl+F4"}));
    QCOMPARE(texts(f.Help1), (QStringList{"&Support|F1", "-", "&Tarnwick Ltd. home page|", "&Kolvane home page|", "-",
                                          "&About|Ctrl+A"}));
}

void MainFormTest::shortcutsSwitchPagesAndKeepTheirState()
{
    activate();
    auto& f = host->f();
    f.Edit1->setText(QStringLiteral("4700"));
    f.Button1->click();
    f.Edit3->setText(QStringLiteral("7"));
    for (const auto& [key, page] :
         {std::pair{Qt::Key_F2, 1}, {Qt::Key_F4, 3}, {Qt::Key_F4, 3}, {Qt::Key_F3, 2}, {Qt::Key_F1, 0}}) {
        QTest::keyClick(&host->main(), key, Qt::ControlModifier);
        QCOMPARE(f.PageControl1->currentIndex(), page);
    }
    QCOMPARE(f.Label1->text(), QStringLiteral("4.70 KOhm"));
    QCOMPARE(f.Shape1->brushColour(), BandColour(0x15FFFF));
    QCOMPARE(f.Edit3->text(), QStringLiteral("7"));
    QCOMPARE(f.Edit5->text(), QStringLiteral("200,00"));
}

void MainFormTest::helpPageOpensOnlyWhenPresent()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/help.html");
    QFile::remove(path);
    activate();
    QTest::keyClick(&host->main(), Qt::Key_F1);
    QVERIFY(recorder.opened.isEmpty());

    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QTest::keyClick(&host->main(), Qt::Key_F1);
    QFile::remove(path);
    QCOMPARE(recorder.opened, (QList<QUrl>{QUrl::fromLocalFile(path)}));
    QCOMPARE(host->f().PageControl1->currentIndex(), 0);
}

void MainFormTest::makerPages()
{
    host->f().homepage->trigger();
    host->f().Pellmoorhomepage1->trigger();
    QCOMPARE(recorder.opened,
             (QList<QUrl>{QUrl(QString::fromLatin1(HomePageAddress)), QUrl(QString::fromLatin1(ProductPageAddress))}));
    // The product's page lies under the maker's site.
    QVERIFY(QUrl(QString::fromLatin1(HomePageAddress)).isParentOf(QUrl(QString::fromLatin1(ProductPageAddress))));
}

void MainFormTest::aboutOpensFromAField()
{
    activate();
    host->f().Edit1->setFocus();
    ModalWatch watch;
    QTest::keyClick(host->f().Edit1, Qt::Key_A, Qt::ControlModifier);
    QTRY_COMPARE(watch.dialogs(), 1);
    QVERIFY(!host->windows.about()->isVisible());

    // The capacitor's tolerance list has an edit part that would select all.
    host->f().PageControl1->setCurrentIndex(1);
    activate();
    host->f().ComboBox2->setFocus();
    QTest::keyClick(host->f().ComboBox2, Qt::Key_A, Qt::ControlModifier);
    QTRY_COMPARE(watch.dialogs(), 2);
    QVERIFY(!host->windows.about()->isVisible());
}

// An assistive tool's press on a menu item must not wait for the dialog it opens; nor
// do the mouse and the shortcut.
void MainFormTest::menuCommandsReturnBeforeTheirDialog()
{
    auto* help = host->main().findChild<QMenu*>(QStringLiteral("Help1"));
    QVERIFY(help);
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(help);
    QAccessibleInterface* item = nullptr;
    for (int i = 0; menu && i < menu->childCount(); ++i)
        if (menu->child(i)->text(QAccessible::Name).remove(QLatin1Char('&')) == QStringLiteral("About"))
            item = menu->child(i);
    QVERIFY(item && item->actionInterface());
    const std::function<void()> ways[] = {
        [&] { item->actionInterface()->doAction(QAccessibleActionInterface::pressAction()); },
        [&] {
            activate();
            QTest::keyClick(&host->main(), Qt::Key_A, Qt::ControlModifier);
        },
        [&] { host->f().About1->trigger(); }};
    for (const auto& way : ways) {
        ModalWatch watch;
        way();
        QCOMPARE(watch.dialogs(), 0);
        QTRY_COMPARE(watch.dialogs(), 1);
        QVERIFY(!host->windows.about()->isVisible());
    }
}

void MainFormTest::nothingUnderAModalDialogActs()
{
    QTabBar* tabs = host->f().PageControl1->tabBar();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(tabs);
    QVERIFY(bar);
    QVERIFY(bar->childCount() >= 4); // the four tabs, then the scroll buttons
    int shownDuring = -1;
    ModalWatch watch([&](QDialog* dialog) {
        bar->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        shownDuring = host->f().PageControl1->currentIndex();
        dialog->reject();
    });
    host->main().showAbout();
    QCOMPARE(watch.dialogs(), 1);
    QCOMPARE(shownDuring, 0);
    // With the dialog closed, the same press switches the page.
    bar->child(2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(host->f().PageControl1->currentIndex(), 2);
}

void MainFormTest::errorBoxFullStopRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter") << "Floating point division by zero"
                            << "Floating point division by zero.";
    QTest::newRow("digit") << "code 7"
                           << "code 7.";
    QTest::newRow("full stop") << "done."
                               << "done.";
    QTest::newRow("exclamation") << "stop!"
                                 << "stop!";
    QTest::newRow("parenthesis") << "(none)"
                                 << "(none)";
    QTest::newRow("slash") << "a/"
                           << "a/.";
    QTest::newRow("empty") << ""
                           << "";
    // A pasted NUL character is part of the message, not its end.
    const QString nul = QStringLiteral("'") + QChar(0) + QStringLiteral("1' is not a valid integer value");
    QTest::newRow("nul") << nul << nul + QLatin1Char('.');
}

void MainFormTest::errorBoxFullStopRule()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorBoxText(message), shown);
    // An error escaping a guarded handler reaches the box, and the program carries on.
    ModalWatch watch;
    Guarded(&host->main(), [&] { throw HandlerError(message); })();
    QCOMPARE(watch.boxes().size(), std::size_t(1));
    QCOMPARE(watch.boxes().front().text, shown);
    QCOMPARE(watch.boxes().front().icon, QMessageBox::Critical);
    QCOMPARE(watch.boxes().front().title, QStringLiteral("Kolvane v." KOLVANE_VERSION));
}

void MainFormTest::exitClosesTheWindow()
{
    QVERIFY(host->main().isVisible());
    host->f().Exit1->trigger();
    QVERIFY(!host->main().isVisible());
}

// Neither dialog exists until it is first opened; each is made then, once, and the
// same one opens every time after.
void MainFormTest::dialogsAreMadeOnFirstUseOnly()
{
    auto& main = host->main();
    QVERIFY(main.findChildren<TColorForm*>().isEmpty());
    QVERIFY(main.findChildren<QDialog*>().isEmpty());
    QList<QWidget*> opened;
    ModalWatch watch([&](QDialog* dialog) {
        opened << dialog;
        dialog->reject();
    });
    for (int i = 0; i < 2; ++i) {
        activate();
        QTest::keyClick(&main, Qt::Key_A, Qt::ControlModifier);
        QTRY_COMPARE(watch.dialogs(), 2 * i + 1);
        QTest::mousePress(host->f().Shape3, Qt::LeftButton);
    }
    QCOMPARE(watch.dialogs(), 4);
    QCOMPARE(opened, (QList<QWidget*>{host->windows.about(), host->windows.colorForm(), host->windows.about(),
                                      host->windows.colorForm()}));
    QCOMPARE(main.findChildren<QDialog*>().size(), 2);
    QVERIFY(!host->windows.about()->isVisible() && !host->windows.colorForm()->isVisible());
}

namespace {

// A window's frame as the window manager drew it. Qt learns a dialog's frame late and
// at times not at all, so under X the window manager's own record is read.
std::optional<QRect> FrameOnScreen(QWidget* window)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return window->frameGeometry();
    QProcess xprop; // prints "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_FRAME_EXTENTS")});
    xprop.waitForFinished(5000);
    const QStringList e = QString::fromLatin1(xprop.readAllStandardOutput()).section(QLatin1Char('='), 1).split(',');
    if (e.size() != 4)
        return std::nullopt;
    return window->geometry().marginsAdded(QMargins(e[0].toInt(), e[2].toInt(), e[1].toInt(), e[3].toInt()));
}

// The centre of the main window's frame once the window manager has settled it.
QPoint SettledCentre(QWidget* main)
{
    [&] {
        QVERIFY(QTest::qWaitForWindowExposed(main, 15000));
        QVERIFY2(QTest::qWaitFor([&] { return FrameOnScreen(main).has_value(); }, 5000),
                 "the main window has no frame");
    }();
    QTest::qWait(200);
    return FrameOnScreen(main).value_or(QRect()).center();
}

} // namespace

// The picker and the About dialog sit centred over the main window, frame over frame,
// at their first showing as at later ones. Frames come from a window manager a moment
// after the windows: CTest also runs this under one (under_window_manager.sh).
void MainFormTest::dialogsOpenCentredFromTheFirstTime()
{
    TMainForm& main = host->main();
    const QPoint centre = SettledCentre(&main);
    QVERIFY(!QTest::currentTestFailed());

    const auto placeOf = [&](const std::function<void()>& open) {
        std::optional<QRect> seen;
        ModalWatch watch([&](QDialog* dialog) {
            // Seen where it ends, should it first show elsewhere and then move.
            if (QTest::qWaitFor([&] { return FrameOnScreen(dialog).has_value(); }, 3000))
                QTest::qWait(200);
            seen = FrameOnScreen(dialog);
            dialog->reject();
        });
        open();
        // A menu command opens its dialog once the command has returned.
        if (!QTest::qWaitFor([&] { return seen.has_value(); }, 5000))
            return QPoint(-100000, -100000);
        return seen->center();
    };
    const std::function<void()> openers[] = {[&] { host->f().About1->trigger(); },
                                             [&] { QTest::mousePress(host->f().Shape2, Qt::LeftButton); }};
    for (int showing = 1; showing <= 2; ++showing) {
        for (const auto& open : openers) {
            // Centring rounds to whole pixels either way.
            const QPoint offset = placeOf(open) - centre;
            QVERIFY2(
                qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                qPrintable(QStringLiteral("showing %1 is off by %2,%3").arg(showing).arg(offset.x()).arg(offset.y())));
        }
    }
}

// Look up opens centred over the main window at its first showing, frame over frame,
// though no frame of its own is known then; moved, it opens where it was left.
void MainFormTest::lookUpOpensBesideTheFirstTimeAndStaysWhereMoved()
{
    // Beside the main window where the screen has room, else over it: where depends on
    // where the window manager put the main window.
    TMainForm& main = host->main();
    SettledCentre(&main);
    QVERIFY(!QTest::currentTestFailed());
    const QRect mainFrame = FrameOnScreen(&main).value_or(QRect());

    main.openLookup();
    QWidget* lookUp = main.lookupWindow();
    QVERIFY(QTest::qWaitForWindowExposed(lookUp));
    // Where it ends once framed: a busy window manager frames it late, and it may move
    // then by the few pixels its own frame differs from the main window's.
    const auto offset = [&] {
        const QRect frame = FrameOnScreen(lookUp).value_or(QRect());
        return frame.topLeft() - BesideOrOver(mainFrame, frame.size(), main.screen()->availableGeometry());
    };
    QPoint seen; // one reading of the frame per look
    const auto asPlaced = [&] {
        seen = offset();
        return qAbs(seen.x()) <= 1 && qAbs(seen.y()) <= 1;
    };
    if (QTest::qWaitFor(asPlaced, 5000))
        QTest::qWait(200); // and stays there
    const bool placed = asPlaced();
    QVERIFY2(placed, qPrintable(QStringLiteral("off by %1,%2").arg(seen.x()).arg(seen.y())));

    const QRect moved = lookUp->geometry().translated(40, 30);
    lookUp->setGeometry(moved);
    QTRY_COMPARE(lookUp->geometry(), moved);
    lookUp->hide();
    main.openLookup();
    QVERIFY(QTest::qWaitForWindowExposed(lookUp));
    QTest::qWait(200);
    QCOMPARE(lookUp->geometry(), moved);
}

// The window's layout holds its menu bar above the client area, so the bar stays in
// the window even where the desktop offers to take it into a global menu.
void MainFormTest::menuBarStaysInTheWindowBesideAGlobalMenu()
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(GlobalMenuRegistrar))
        QSKIP("needs a session bus to announce a global menu on");
    QVERIFY(!host->f().MainMenu1->isNativeMenuBar());
    host->main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&host->main()));
    QVERIFY(host->f().MainMenu1->isVisible());
    QCOMPARE(host->f().MainMenu1->geometry().bottom() + 1, host->f().centralwidget->y());
}

QTEST_MAIN(MainFormTest)
#include "test_mainform.moc"
