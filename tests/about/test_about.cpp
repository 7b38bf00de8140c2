// SPDX-License-Identifier: MIT
// The About dialog: its layout and picture, the two links (intercepted, or with
// nothing to open them), their colours across reopenings, and the ways it closes.
#include "about.h"
#include "addresses.h"
#include "fonts.h"
#include "mainform.h"

#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

using namespace kolvane;

namespace {

const QColor Blue(0, 0, 255);
const QColor Maroon(128, 0, 0);

QColor TextColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

// The dialog's controls, found by their object names as a user's tools find them.
struct AboutControls {
    explicit AboutControls(const QDialog& about)
        : BitBtn1(about.findChild<QPushButton*>(QStringLiteral("BitBtn1"))),
          Image1(about.findChild<QLabel*>(QStringLiteral("Image1"))),
          Label1(about.findChild<QLabel*>(QStringLiteral("Label1"))),
          Label2(about.findChild<QLabel*>(QStringLiteral("Label2")))
    {}
    QPushButton* BitBtn1;
    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
};

// An About dialog of its own, with its controls at hand.
struct About : TAbout, AboutControls {
    About() : TAbout(nullptr), AboutControls(static_cast<const QDialog&>(*this)) {}
};

// Runs `step` once the dialog's modal loop is running; `step` must close it.
int ExecWith(TAbout& about, const std::function<void()>& step)
{
    QTimer::singleShot(0, &about, step);
    return about.exec();
}

} // namespace

// Receives what the dialog hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void layout();
    void captionsFit();
    void pictureAtNaturalSize();
    void links_data();
    void links();
    void linkWithNothingToOpenIt();
    void clickNeedsPressAndReleaseOnTheLabel();
    void coloursPersistAcrossShowings();
    void keyboardReachesOnlyOk();
    void linksByKeyboardAndAssistiveTools();
    void madeOnceOnFirstUseAndKept();
    void standInsAreWhatQtWouldPick_data();
    void standInsAreWhatQtWouldPick();

private:
    UrlCatcher m_catcher;
};

void TestAbout::initTestCase()
{
    Q_INIT_RESOURCE(kolvane);
    // The program asks for the same stand-in fonts at start-up, once its thread has
    // read the font configuration.
    ReadFontConfigInBackground().join();
    InstallFontSubstitutes();
}

void TestAbout::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    m_catcher.urls.clear();
}

// A fixed dialog frame with only the close button, and links that start blue.
void TestAbout::layout()
{
    About about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kolvane"));
    QCOMPARE(about.minimumSize(), QSize(205, 194));
    QCOMPARE(about.maximumSize(), QSize(205, 194));
    QVERIFY(!(about.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(about.Label2->text(), QStringLiteral("E-mail: ") + QString::fromLatin1(SupportMailAddress));
    for (const QLabel* label : {about.Label1, about.Label2}) {
        QCOMPARE(TextColour(label), Blue);
        QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
    }
}

// Every caption is drawn whole inside its box with the fonts that stand in for
// the requested ones.
void TestAbout::captionsFit()
{
    About about;
    for (const QLabel* label : {about.Label1, about.Label2}) {
        const int width = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(width <= label->width(),
                 qPrintable(QStringLiteral("%1 needs %2 pixels").arg(label->text()).arg(width)));
        QVERIFY(QFontMetrics(label->font()).height() <= label->height() + 1);
    }
    const int ok = QFontMetrics(about.BitBtn1->font()).horizontalAdvance(about.BitBtn1->text());
    QVERIFY(ok < about.BitBtn1->width() - 8);
}

// The picture is drawn from the top-left corner at its own size: the dialog shows
// exactly its pixels, neither stretched nor centred, on a white ground.
void TestAbout::pictureAtNaturalSize()
{
    About about;
    const QImage picture = QImage(QStringLiteral(":/about.png")).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(picture.size(), QSize(219, 221));
    QCOMPARE(about.Image1->pixmap().size(), QSize(219, 221));
    about.show();
    const QImage shown = about.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(205, 194));
    // Above the links nothing covers the picture.
    for (int y = 0; y < 118; ++y)
        for (int x = 0; x < 205; ++x)
            if (shown.pixel(x, y) != picture.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) differs").arg(x).arg(y)));
    QCOMPARE(shown.pixelColor(3, 190), QColor(Qt::white));
    QCOMPARE(shown.pixelColor(200, 150), QColor(Qt::white));
}

void TestAbout::links_data()
{
    QTest::addColumn<int>("label");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("web site") << 1 << QUrl(QString::fromLatin1(HomePageAddress));
    QTest::newRow("mail") << 2 << QUrl(QStringLiteral("mailto:") + QString::fromLatin1(SupportMailAddress));
}

void TestAbout::links()
{
    QFETCH(int, label);
    QFETCH(QUrl, url);
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_catcher, "open");
    About about;
    about.show();
    QLabel* clicked = label == 1 ? about.Label1 : about.Label2;
    QLabel* other = label == 1 ? about.Label2 : about.Label1;
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(m_catcher.urls, QList<QUrl>{url});
    QCOMPARE(TextColour(clicked), Maroon);
    QCOMPARE(TextColour(other), Blue);
    QVERIFY(about.isVisible());
    // A second click asks again; the colour stays.
    QTest::mouseClick(clicked, Qt::LeftButton);
    QCOMPARE(m_catcher.urls.size(), 2);
    QCOMPARE(TextColour(clicked), Maroon);
}

// With no handler for the link (the test platform opens nothing), the label
// still turns maroon and the dialog stays open.
void TestAbout::linkWithNothingToOpenIt()
{
    About about;
    about.show();
    QTest::mouseClick(about.Label2, Qt::LeftButton);
    QCOMPARE(TextColour(about.Label2), Maroon);
    QCOMPARE(TextColour(about.Label1), Blue);
    QVERIFY(about.isVisible());
}

void TestAbout::clickNeedsPressAndReleaseOnTheLabel()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
    About about;
    about.show();
    // Pressed on the label, released beside it: no click.
    QTest::mousePress(about.Label1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(about.Label1, Qt::LeftButton, {}, QPoint(5, 40));
    // Other buttons are not clicks.
    QTest::mouseClick(about.Label1, Qt::RightButton);
    QTest::mouseClick(about.Label1, Qt::MiddleButton);
    QVERIFY(m_catcher.urls.isEmpty());
    QCOMPARE(TextColour(about.Label1), Blue);
    // A double click, as the window system delivers it, is one click, not two.
    const QPoint at(5, 5);
    QTest::mousePress(about.Label1, Qt::LeftButton, {}, at);
    QTest::mouseRelease(about.Label1, Qt::LeftButton, {}, at);
    QTest::mousePress(about.Label1, Qt::LeftButton, {}, at);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(at), about.Label1->mapToGlobal(QPointF(at)),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(about.Label1, &doubleClick);
    QTest::mouseRelease(about.Label1, Qt::LeftButton, {}, at);
    QCOMPARE(m_catcher.urls.size(), 1);
    QCOMPARE(TextColour(about.Label1), Maroon);
}

// One dialog for the whole run: a link clicked in one showing is still maroon in
// the next, the other stays blue; "Ok" accepts, the close button rejects, and
// neither changes anything else.
void TestAbout::coloursPersistAcrossShowings()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_catcher, "open");
    About about;

    int result = ExecWith(about, [&] {
        QTest::mouseClick(about.Label1, Qt::LeftButton);
        QTest::mouseClick(about.BitBtn1, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QVERIFY(!about.isVisible());

    QColor first, second;
    result = ExecWith(about, [&] {
        first = TextColour(about.Label1);
        second = TextColour(about.Label2);
        about.close(); // the title bar's close button
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(first, Maroon);
    QCOMPARE(second, Blue);

    result = ExecWith(about, [&] {
        QTest::mouseClick(about.Label2, Qt::LeftButton);
        QTest::keyClick(about.BitBtn1, Qt::Key_Space);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(TextColour(about.Label1), Maroon);
    QCOMPARE(TextColour(about.Label2), Maroon);
    QCOMPARE(m_catcher.urls.size(), 2);
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kolvane"));
    QCOMPARE(about.Label1->text(), QString::fromLatin1(HomePageAddress));
}

void TestAbout::keyboardReachesOnlyOk()
{
    About about;
    for (QWidget* child : about.findChildren<QWidget*>())
        QCOMPARE(bool(child->focusPolicy() & Qt::TabFocus), child == about.BitBtn1);
    // Enter presses the one button.
    const int result = ExecWith(about, [&] { QTest::keyClick(&about, Qt::Key_Return); });
    QCOMPARE(result, int(QDialog::Accepted));
}

// Tab goes from "Ok" to the two links and back; Enter opens the focused link, not the
// default button, and marks it visited. Assistive tools see links with a press action
// that returns before the address is handed on.
void TestAbout::linksByKeyboardAndAssistiveTools()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_catcher, "open");
    About about;
    QStringList order;
    QImage plain, marked;
    const int result = ExecWith(about, [&] {
        about.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        order << about.focusWidget()->objectName();
        plain = about.grab().toImage();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(about.focusWidget(), Qt::Key_Tab);
            order << (about.focusWidget() == about.BitBtn1 ? QStringLiteral("Ok")
                                                           : about.focusWidget()->parentWidget()->objectName());
            if (i == 0)
                marked = about.grab().toImage();
        }
        QTest::keyClick(about.focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        // On the mail link now: Enter opens it and the dialog stays.
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
        QVERIFY(about.isVisible());
        about.reject();
    });
    QCOMPARE(order, (QStringList{"BitBtn1", "Label1", "Label2", "Ok"}));
    QVERIFY(marked != plain);
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(m_catcher.urls.size(), 1);
    QCOMPARE(m_catcher.urls.front().scheme(), QStringLiteral("mailto"));
    QCOMPARE(TextColour(about.Label2), Maroon);
    QCOMPARE(TextColour(about.Label1), Blue);

    // The web site's link, as a screen reader presses it.
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(about.Label1->findChild<QWidget*>());
    QVERIFY(link && link->actionInterface());
    QCOMPARE(link->role(), QAccessible::Link);
    QCOMPARE(link->text(QAccessible::Name), QString::fromLatin1(HomePageAddress));
    QVERIFY(link->state().focusable);
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_catcher.urls.size(), 1);
    QTRY_COMPARE(m_catcher.urls.size(), 2);
    QCOMPARE(m_catcher.urls.back(), QUrl(QString::fromLatin1(HomePageAddress)));
    // The labels still read as they did.
    QCOMPARE(QAccessible::queryAccessibleInterface(about.Label2)->role(), QAccessible::StaticText);

    // The next showing starts on "Ok" again.
    QString first;
    ExecWith(about, [&] {
        first = about.focusWidget() ? about.focusWidget()->objectName() : QString();
        about.reject();
    });
    QCOMPARE(first, QStringLiteral("BitBtn1"));
}

// The main window makes its About dialog when Help, About first asks for it, and
// keeps that one: the first showing looks as the later ones do, and a link clicked
// in one showing is maroon in the next.
void TestAbout::madeOnceOnFirstUseAndKept()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_catcher, "open");
    TMainForm main;
    main.show();
    QVERIFY(main.findChildren<TAbout*>().isEmpty());

    QList<TAbout*> seen;
    QList<QImage> shown;
    const auto open = [&](const std::function<void(TAbout&)>& step) {
        QTimer::singleShot(0, &main, [&] {
            auto* about = qobject_cast<TAbout*>(QApplication::activeModalWidget());
            if (!about) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            seen << about;
            shown << about->grab().toImage();
            step(*about);
            about->close();
        });
        main.showAbout();
    };
    open([](TAbout&) {});
    open([](TAbout& about) { QTest::mouseClick(AboutControls(about).Label1, Qt::LeftButton); });
    open([](TAbout&) {});

    QCOMPARE(seen.size(), 3);
    QCOMPARE(main.findChildren<TAbout*>(), QList<TAbout*>{seen[0]});
    QCOMPARE(seen[1], seen[0]);
    QCOMPARE(seen[2], seen[0]);
    QCOMPARE(main.about(), seen[0]);
    QCOMPARE(shown[1], shown[0]);
    QVERIFY(shown[2] != shown[0]);
    QCOMPARE(TextColour(AboutControls(*seen[0]).Label1), Maroon);
    QCOMPARE(TextColour(AboutControls(*seen[0]).Label2), Blue);
}

// Asking for the stand-in directly gives the very font that Qt reaches through the
// substitutes of the named family: same face, and the same pixels for a line of text.
void TestAbout::standInsAreWhatQtWouldPick_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("window") << "MS Sans Serif" << 11 << false;
    QTest::newRow("picker caption") << "MS Sans Serif" << 11 << true;
    QTest::newRow("frames") << "MS Sans Serif" << 13 << false;
    QTest::newRow("tabs") << "Tahoma" << 13 << true;
    QTest::newRow("fields") << "Verdana" << 13 << false;
    QTest::newRow("units") << "Verdana" << 11 << true;
    QTest::newRow("links") << "Arial" << 13 << false;
}

void TestAbout::standInsAreWhatQtWouldPick()
{
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFont named(family);
    named.setPixelSize(pixelSize);
    named.setBold(bold);
    const QFont standIn = PixelFont(family, pixelSize, bold);
    // The stand-in is asked for by its own name, so no failed lookup comes first.
    QVERIFY(QFontDatabase::hasFamily(standIn.family()));

    const QFontInfo a(named), b(standIn);
    QCOMPARE(b.family().toLower(), a.family().toLower());
    QCOMPARE(b.styleName(), a.styleName());
    QCOMPARE(b.pixelSize(), a.pixelSize());
    const auto render = [](const QFont& font) {
        QImage image(240, 24, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        painter.drawText(2, 18, QStringLiteral("Tolerance 4.70 KOhm 0,05% \u00B5F Wa"));
        return image;
    };
    QCOMPARE(render(standIn), render(named));
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
