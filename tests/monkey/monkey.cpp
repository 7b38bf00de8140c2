// SPDX-License-Identifier: MIT
#include "version.h"
#include "tests/monkey/monkey.h"

#include "about.h"
#include "feedback.h"
#include "lookupwindow.h"
#include "tests/support/codechecks.h"
#include "tests/support/expected.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <climits>
#include <optional>

namespace kolvane::test {
namespace {

// Colours by index: 0-9 the digits black to white, 10 gold, 11 silver, 12 none.
constexpr int GoldIx = 10, SilverIx = 11, NoneIx = 12;

BandColour ColourAt(int index)
{
    return index < 10 ? Digit[index] : index == GoldIx ? Gold : index == SilverIx ? Silver : None;
}

int IndexOf(BandColour colour)
{
    for (int i = 0; i <= NoneIx; ++i)
        if (ColourAt(i) == colour)
            return i;
    return -1;
}

// The roles of a band and the colours each offers in the picker, as bit masks over
// the colour indexes. A band may also be unset, except that only the tolerance and
// TFR bands are offered "None".
enum Role { FirstDigit, Digit09, MultiplierOfFour, MultiplierOfMore, Tolerance, Tfr };
constexpr int Bits(std::initializer_list<int> ix)
{
    int m = 0;
    for (int i : ix)
        m |= 1 << i;
    return m;
}
constexpr int Offered[] = {
    Bits({1, 2, 3, 4, 5, 6, 7, 8, 9}),
    Bits({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}),
    Bits({0, 1, 2, 3, 4, 5, 6, 7, GoldIx, SilverIx}),
    Bits({0, 1, 2, 3, 4, 5, 6, GoldIx, SilverIx}),
    Bits({1, 2, 5, 6, 7, 8, GoldIx, SilverIx, NoneIx}),
    Bits({1, 2, 3, 4, 6, 7, 9, NoneIx}),
};
const char* const RoleNames[] = {"first digit", "digit", "multiplier of 4", "multiplier of 5/6", "tolerance", "TFR"};

// The lists: item text and the colour index its band shows.
struct Item {
    const char* text;
    int colour;
};
constexpr Item ToleranceList[9] = {{"0,05%", 8}, {"0,1%", 7},    {"0,25%", 6},      {"0,5%", 5},    {"1%", 1},
                                   {"2%", 2},    {"5%", GoldIx}, {"10%", SilverIx}, {"20%", NoneIx}};
constexpr Item TfrList[8] = {{"1", 9},  {"5", 7},  {"10", 6},  {"15", 3},
                             {"25", 4}, {"50", 2}, {"100", 1}, {"none", NoneIx}};

const char* const Captions[12] = {"",
                                  "First bound of resistor",
                                  "Second bound of resistor",
                                  "Third bound of resistor",
                                  "Fourth bound of resistor",
                                  "Tolerance bound of resistor",
                                  "First bound of capasitor",
                                  "Second bound of capasitor",
                                  "Third bound of capasitor",
                                  "Fourth bound of capasitor",
                                  "Tolerance bound of capasitor",
                                  "TFR-bound of resistor"};

const QString Title = QStringLiteral("Kolvane v." KOLVANE_VERSION);

// A strict whole number: optional sign, ASCII digits, within 64 bits.
std::optional<std::int64_t> WholeNumber(const QString& text)
{
    // Anchored at the very end: "$" alone would also match before a final line feed.
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
    if (!whole.match(text).hasMatch())
        return std::nullopt;
    const bool negative = text.front() == QLatin1Char('-');
    QString digits = text.mid(text.front().isDigit() ? 0 : 1);
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits.remove(0, 1);
    const QString limit = negative ? QStringLiteral("9223372036854775808") : QStringLiteral("9223372036854775807");
    if (digits.size() > limit.size() || (digits.size() == limit.size() && digits > limit))
        return std::nullopt;
    if (negative && digits == limit)
        return std::numeric_limits<std::int64_t>::min();
    const std::int64_t magnitude = digits.toLongLong();
    return negative ? -magnitude : magnitude;
}

// A ratio as the calculators show it: rounded half away from zero to two decimals, or
// to eight significant digits where that keeps fewer (only pasted signs get there).
QString TwoDecimals(std::int64_t numerator, std::int64_t denominator, QChar separator)
{
    const bool negative = (numerator < 0) != (denominator < 0);
    const std::int64_t n = numerator < 0 ? -numerator : numerator;
    const std::int64_t d = denominator < 0 ? -denominator : denominator;
    int integerDigits = 0;
    for (std::int64_t q = n / d; q > 0; q /= 10)
        ++integerDigits;
    const int decimals = std::min(2, 8 - integerDigits);
    std::int64_t hundredths = 0;
    if (decimals >= 0) {
        const std::int64_t scale = Pow10(decimals);
        hundredths = (2 * n * scale + d) / (2 * d) * Pow10(2 - decimals);
    } else {
        const std::int64_t scale = Pow10(-decimals);
        hundredths = (2 * n + d * scale) / (2 * d * scale) * scale * 100;
    }
    return QStringLiteral("%1%2%3%4")
        .arg(negative && hundredths ? QStringLiteral("-") : QString())
        .arg(hundredths / 100)
        .arg(separator)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

// A text as a failure message can show it: control characters spelled out, cut short.
// A message quotes the typed text as it is, or isolated between U+2068 and U+2069
// when it holds a bidi control character.
QString AsQuoted(const QString& text)
{
    static const QString controls = QString::fromUtf8("\u200E\u200F\u061C\u202A\u202B\u202C\u202D\u202E"
                                                      "\u2066\u2067\u2068\u2069");
    for (const QChar c : text)
        if (controls.contains(c))
            return QChar(0x2068) + text + QChar(0x2069);
    return text;
}

QString Visible(const QString& text, int max = 40)
{
    QString out;
    for (const QChar c : text.left(max))
        out += c.unicode() < 0x20 || c.unicode() == 0x7f
                   ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'))
                   : QString(c);
    return text.size() > max ? out + QStringLiteral("...") : out;
}

class UrlSink : public QObject {
    Q_OBJECT
public:
    int* count = nullptr;
public slots:
    void open(const QUrl&) { ++*count; }
};

enum Kind {
    KPage,
    KAbout,
    KHelp,
    KBand,
    KCount,
    KUnit,
    KList,
    KListKeys,
    KType,
    KPaste,
    KCalculate,
    KGeneral,
    KLookUp,
    Kinds
};
const char* const KindNames[] = {"page",      "about",  "help",  "band",      "band count", "unit",   "list",
                                 "list keys", "typing", "paste", "calculate", "general",    "look up"};

// Readings that Show on page puts on a page, and the bands that then show there, as the
// model numbers them (1-5 and 11 the resistor's, 6-10 the capacitor's) with their band
// count; no bands where the page's colours cannot state the reading. Outside facts: R47
// is 0.47 ohm, 228 on a capacitor 0.22 pF, 1 GOhm needs a multiplier the page lacks.
struct LookedUp {
    const char* text;
    bool capacitor;
    int count; // 0: Show on page is not offered
    std::vector<std::pair<int, BandColour>> bands;
    std::array<int, 3> lists; // the tolerance lists' and the TFR list's items; -1 unchanged
};
const std::vector<LookedUp>& LookedUpTable()
{
    static const std::vector<LookedUp> table = {
        {"R47", false, 4, {{1, Digit[4]}, {2, Digit[7]}, {3, Silver}, {5, None}}, {8, -1, -1}},
        {"4.99k", false, 5, {{1, Digit[4]}, {2, Digit[9]}, {3, Digit[9]}, {4, Digit[1]}, {5, None}}, {8, -1, -1}},
        {"brown black black red brown red",
         false,
         6,
         {{1, Digit[1]}, {2, Digit[0]}, {3, Digit[0]}, {4, Digit[2]}, {5, Digit[1]}, {11, Digit[2]}},
         {4, -1, 5}},
        {"228", true, 4, {{6, Digit[2]}, {7, Digit[2]}, {8, Silver}, {10, None}}, {-1, 8, -1}},
        {"1G", false, 0, {}, {-1, -1, -1}},
    };
    return table;
}

UrlSink* Sink()
{
    static UrlSink sink;
    return &sink;
}

// Texts a person may paste: boundaries, signs, markup, non-ASCII digits, control
// characters.
const QStringList& Samples()
{
    static const QStringList samples = {
        QString(),
        QStringLiteral("0"),
        QStringLiteral("000"),
        QStringLiteral("1"),
        QStringLiteral("0047"),
        QStringLiteral("999"),
        QStringLiteral("1000"),
        QStringLiteral("999000"),
        QStringLiteral("999001"),
        QStringLiteral("999000000"),
        QStringLiteral("999000001"),
        QStringLiteral("99999"),
        QStringLiteral("-1"),
        QStringLiteral("+47"),
        QStringLiteral("-0"),
        QStringLiteral("+0"),
        QStringLiteral("-99999"),
        QStringLiteral("-47"),
        QStringLiteral("--5"),
        QStringLiteral("+-5"),
        QStringLiteral("5-"),
        QStringLiteral("+"),
        QStringLiteral("-"),
        QStringLiteral(" 5"),
        QStringLiteral("5 "),
        QStringLiteral("4,7"),
        QStringLiteral("4.7"),
        QStringLiteral("1e3"),
        QStringLiteral("0x1F"),
        QStringLiteral("$FF"),
        QStringLiteral("<b>47</b>"),
        QStringLiteral("<img src=x>"),
        QStringLiteral("<font color=red>12</font>"),
        QStringLiteral("&amp;1"),
        QStringLiteral("%1%s%n"),
        QStringLiteral("'47'"),
        QStringLiteral("\t12"),
        QStringLiteral("1\n2"),
        QString(QChar(0)) + QStringLiteral("1"),
        QString(QChar(0x0664)) + QChar(0x0667),     // Arabic-Indic 47
        QString(QChar(0x096A)) + QChar(0x096D),     // Devanagari 47
        QString(QChar(0xFF14)) + QChar(0xFF17),     // full-width 47
        QString::fromUcs4(U"\U0001D7D2\U0001D7D5"), // mathematical 47
        QString(QChar(0x2163)),
        QString(QChar(0x00BD)),
        QString(QChar(0xB5)) + QStringLiteral("F"),
        QString(QChar(0x0417)) + QChar(0x041E),
        QStringLiteral("9223372036854775807"),
        QStringLiteral("9223372036854775808"),
        QStringLiteral("-9223372036854775808"),
    };
    return samples;
}

} // namespace

Monkey::Monkey(AppHost& host, std::uint64_t seed) : m_host(host), m_seed(seed), m_rng(seed)
{
    // Odd seeds run under a decimal comma, even ones under a decimal point.
    const bool comma = seed % 2 == 1;
    QLocale::setDefault(comma ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
    m_separator = comma ? QLatin1Char(',') : QLatin1Char('.');

    Sink()->count = &m_openedUrls;
    for (const char* scheme : {"file", "http", "https", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), Sink(), "open");
    SetBeepHook([this] { ++m_beeps; });

    m_band.fill(None);
    m_list = {8, -1, 7};
    m_result = {QStringLiteral("200,00"), QStringLiteral("50,00"), QStringLiteral("50,00"), QStringLiteral("200,00")};

    m_modalTimer.setInterval(0);
    QObject::connect(&m_modalTimer, &QTimer::timeout, [this] { answerModal(); });

    m_host.main().activateWindow();
    QApplication::setActiveWindow(&m_host.main());
    check();
}

Monkey::~Monkey()
{
    for (const char* scheme : {"file", "http", "https", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    SetBeepHook({});
}

template <typename Fn>
void Monkey::step(Fn&& action)
{
    ++m_step;
    m_boxes.clear();
    m_beeps = 0;
    m_modalAnswers = 0;
    action();
    // Paint what changed and let deferred work run, as the event loop would.
    QCoreApplication::processEvents();
    if (!failed())
        check();
}

bool Monkey::run(std::int64_t total)
{
    while (!failed() && m_step < total)
        step([this] { act(); });
    return !failed();
}

bool Monkey::tour()
{
    auto& f = m_host.f();
    QLineEdit* const inputs[] = {f.Edit3, f.Edit4, f.Edit6, f.Edit7, f.Edit9, f.Edit10, f.Edit12, f.Edit13};
    // The samples, and the longest texts the walk pastes, of digits and of anything.
    QStringList texts = Samples();
    QString digits, mixed;
    for (int i = 0; i < 100010; ++i) {
        digits += QChar(u'0' + pick(10));
        mixed += anyChar(1, 0xD7FF);
    }
    texts << digits << mixed;
    for (const QString& sample : texts) {
        for (int page = 0; page < 4 && !failed(); ++page) {
            QTabBar* bar = f.PageControl1->tabBar();
            step([&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center()); });
            if (page < 2) {
                step([&] { withModals([&] { (page == 0 ? f.Edit1 : f.Edit2)->setText(sample); }); });
                step([&] { calculate(page == 0); });
            } else {
                // One of the page's four inputs in turn: they all draw with one font.
                const int i = static_cast<int>(m_step / 12 % 4);
                QLineEdit* field = inputs[(page - 2) * 4 + i];
                step([&] { withModals([&] { field->setText(sample); }); });
                step([&] { general((page - 2) * 2 + i / 2); });
            }
        }
    }
    // Look up, and each reading it puts on a page.
    for (int row = 0; row < int(LookedUpTable().size()) && !failed(); ++row)
        step([&] { lookUp(row); });
    return !failed();
}

bool Monkey::finish()
{
    // A dialog still open here is a failure; close it so the next test starts clean.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != &m_host.main() && w->isVisible()) {
            fail(QStringLiteral("left open at the end: %1 \"%2\"")
                     .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle()));
            w->close();
        }
    }
    if (QApplication::activeModalWidget())
        fail(QStringLiteral("a modal window is still active at the end"));
    return !failed();
}

QString Monkey::tally() const
{
    QStringList parts;
    for (int k = 0; k < Kinds; ++k)
        parts
            << QStringLiteral("%1 %2").arg(QString::fromLatin1(KindNames[k])).arg(m_kinds[static_cast<std::size_t>(k)]);
    return parts.join(QStringLiteral(", ")) + QStringLiteral("; modal windows answered %1").arg(m_modalsAnswered);
}

void Monkey::note(const QString& action)
{
    m_recent.push_back(QStringLiteral("%1: %2").arg(m_step).arg(action));
    if (m_recent.size() > 12)
        m_recent.pop_front();
}

void Monkey::fail(const QString& what)
{
    if (m_failure.isEmpty())
        m_failure = QStringLiteral("seed %1, step %2: %3").arg(m_seed).arg(m_step).arg(what);
}

int Monkey::resistorBands() const
{
    auto& f = m_host.f();
    return f.RadioButton1->isChecked() ? 4 : f.RadioButton2->isChecked() ? 5 : 6;
}

bool Monkey::capacitorFourBands() const
{
    return m_host.f().RadioButton4->isChecked();
}

int Monkey::roleOf(int target) const
{
    switch (target) {
    case 1:
    case 6: return FirstDigit;
    case 2:
    case 7: return Digit09;
    case 3: return resistorBands() == 4 ? MultiplierOfFour : Digit09;
    case 8: return capacitorFourBands() ? MultiplierOfFour : Digit09;
    case 4:
    case 9: return MultiplierOfMore;
    case 5:
    case 10: return Tolerance;
    default: return Tfr;
    }
}

// ---------------------------------------------------------------------------------
// Actions

void Monkey::act()
{
    m_page = m_host.f().PageControl1->currentIndex();
    if (chance(12))
        globalAction();
    else if (m_page <= 1)
        codePageAction(m_page == 0);
    else
        combinePageAction();
}

void Monkey::globalAction()
{
    const int r = pick(12);
    if (r < 7) {
        switchPage();
    } else if (r < 9) {
        openAbout();
    } else if (r < 11) {
        lookUp();
    } else {
        ++m_kinds[KHelp];
        auto& f = m_host.f();
        QAction* entries[] = {f.Support1, f.homepage, f.Pellmoorhomepage1};
        const int e = pick(3);
        note(QStringLiteral("help menu entry %1").arg(e));
        const int before = m_openedUrls;
        withModals([&] { entries[e]->trigger(); });
        // The help page opens only where it lies beside the executable.
        if (e > 0 && m_openedUrls != before + 1)
            fail(QStringLiteral("the maker's page was not handed to the desktop"));
        m_expectedUrls = m_openedUrls;
    }
}

void Monkey::switchPage()
{
    ++m_kinds[KPage];
    auto& f = m_host.f();
    const int page = pick(4);
    if (chance(50)) {
        note(QStringLiteral("Ctrl+F%1").arg(page + 1));
        // A person clicks the window before using its keys.
        if (QApplication::activeWindow() != &m_host.main()) {
            m_host.main().activateWindow();
            QApplication::setActiveWindow(&m_host.main());
        }
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_host.main();
        withModals([&] { QTest::keyClick(target, Qt::Key(Qt::Key_F1 + page), Qt::ControlModifier); });
    } else {
        note(QStringLiteral("tab %1").arg(page));
        QTabBar* bar = f.PageControl1->tabBar();
        withModals([&] { QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center()); });
    }
    if (f.PageControl1->currentIndex() != page)
        fail(QStringLiteral("page %1 asked for, page %2 shown").arg(page).arg(f.PageControl1->currentIndex()));
}

void Monkey::openAbout()
{
    ++m_kinds[KAbout];
    const bool shortcut = chance(50);
    note(shortcut ? QStringLiteral("Ctrl+A") : QStringLiteral("Help, About"));
    if (shortcut && QApplication::activeWindow() != &m_host.main()) {
        m_host.main().activateWindow();
        QApplication::setActiveWindow(&m_host.main());
    }
    const std::int64_t dialogsBefore = m_modalsAnswered;
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_host.main();
    withModals([&] {
        if (shortcut)
            QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        else
            m_host.f().About1->trigger();
        // The command returns at once and the dialog opens right after.
        [[maybe_unused]] const bool opened = QTest::qWaitFor([&] { return m_modalsAnswered != dialogsBefore; }, 5000);
    });
    if (m_modalsAnswered == dialogsBefore)
        fail(QStringLiteral("the About dialog did not open"));
    if (m_openedUrls != m_expectedUrls)
        fail(QStringLiteral("About links: %1 addresses opened, %2 clicks").arg(m_openedUrls).arg(m_expectedUrls));
}

void Monkey::lookUp(int index)
{
    ++m_kinds[KLookUp];
    if (index < 0)
        index = pick(int(LookedUpTable().size()));
    const LookedUp& row = LookedUpTable()[static_cast<std::size_t>(index)];
    note(QStringLiteral("Ctrl+L, \"%1\", Enter").arg(QLatin1String(row.text)));
    if (QApplication::activeWindow() != &m_host.main()) {
        m_host.main().activateWindow();
        QApplication::setActiveWindow(&m_host.main());
    }
    const int pageBefore = m_host.f().PageControl1->currentIndex();
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_host.main();
    QTest::keyClick(target, Qt::Key_L, Qt::ControlModifier);
    auto* window = m_host.main().findChild<LookupWindow*>();
    if (!window || !window->isVisible())
        return fail(QStringLiteral("Ctrl+L showed no Look up window"));
    for (QRadioButton* kind : window->findChildren<QRadioButton*>())
        if (kind->text() == (row.capacitor ? QStringLiteral("&Capacitor") : QStringLiteral("&Resistor")))
            kind->click();
    auto* field = window->findChild<QLineEdit*>();
    field->selectAll();
    QTest::keyClicks(field, QString::fromLatin1(row.text));
    const std::size_t boxes = m_boxes.size();
    withModals([&] { QTest::keyClick(field, Qt::Key_Return); });
    if (m_boxes.size() != boxes)
        return fail(QStringLiteral("Show on page answered with a box: %1").arg(m_boxes.back().text));
    const int page = m_host.f().PageControl1->currentIndex();
    if (row.count == 0) {
        if (page != pageBefore)
            fail(QStringLiteral("Show on page acted on \"%1\", which no page shows").arg(QLatin1String(row.text)));
    } else if (page != (row.capacitor ? 1 : 0)) {
        fail(QStringLiteral("Show on page showed page %1").arg(page));
    } else {
        // The model takes the bands as picked ones; the band count comes first.
        if (row.capacitor)
            m_capacitorFour = row.count == 4;
        else
            m_resistorBands = row.count;
        for (const auto& [band, colour] : row.bands)
            m_band[static_cast<std::size_t>(band)] = colour;
        for (std::size_t l = 0; l < 3; ++l)
            if (row.lists[l] >= 0)
                m_list[l] = row.lists[l];
    }
    QTest::keyClick(field, Qt::Key_Escape);
    if (window->isVisible())
        fail(QStringLiteral("Escape left Look up open"));
}

void Monkey::codePageAction(bool resistor)
{
    auto& f = m_host.f();
    const int r = pick(100);
    if (r < 28) {
        // Only the bands a person can see on this page.
        std::vector<int> targets;
        if (resistor) {
            targets = {1, 2, 3, 5};
            if (resistorBands() > 4)
                targets.push_back(4);
            if (resistorBands() == 6)
                targets.push_back(11);
        } else {
            targets = {6, 7, 8, 10};
            if (!capacitorFourBands())
                targets.push_back(9);
        }
        pressBand(targets[static_cast<std::size_t>(pick(static_cast<int>(targets.size())))]);
    } else if (r < 38) {
        ++m_kinds[KCount];
        std::vector<QRadioButton*> radios =
            resistor ? std::vector<QRadioButton*>{f.RadioButton1, f.RadioButton2, f.RadioButton11}
                     : std::vector<QRadioButton*>{f.RadioButton4, f.RadioButton3};
        QRadioButton* radio = radios[static_cast<std::size_t>(pick(static_cast<int>(radios.size())))];
        if (chance(75)) {
            note(QStringLiteral("click %1").arg(radio->objectName()));
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
            if (!radio->isChecked())
                fail(radio->objectName() + QStringLiteral(" not checked after a click"));
        } else {
            const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_Space};
            const Qt::Key key = keys[pick(5)];
            note(QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), radio->objectName()));
            radio->setFocus();
            QTest::keyClick(radio, key);
        }
    } else if (r < 44) {
        ++m_kinds[KUnit];
        QRadioButton* units[] = {f.RadioButton5,  f.RadioButton6, f.RadioButton7,
                                 f.RadioButton10, f.RadioButton9, f.RadioButton8};
        QRadioButton* radio = units[(resistor ? 0 : 3) + pick(3)];
        note(QStringLiteral("click %1").arg(radio->objectName()));
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
        if (!radio->isChecked())
            fail(radio->objectName() + QStringLiteral(" not checked after a click"));
    } else if (r < 54) {
        chooseListItem(resistor ? (chance(50) ? 0 : 2) : 1);
    } else if (r < 58) {
        ++m_kinds[KListKeys];
        QComboBox* lists[] = {f.ComboBox1, f.ComboBox2, f.ComboBox3};
        typeInto(resistor ? lists[chance(50) ? 0 : 2] : lists[1], false);
    } else if (r < 72) {
        ++m_kinds[KType];
        typeInto(resistor ? f.Edit1 : f.Edit2, true);
    } else if (r < 84) {
        pasteInto(resistor ? f.Edit1 : f.Edit2);
    } else {
        calculate(resistor);
    }
}

void Monkey::combinePageAction()
{
    auto& f = m_host.f();
    const int base = m_page == 2 ? 0 : 2; // calculators 0, 1 on one page, 2, 3 on the other
    const int calculator = base + pick(2);
    QLineEdit* inputs[4][3] = {{f.Edit3, f.Edit4, f.Edit5},
                               {f.Edit6, f.Edit7, f.Edit8},
                               {f.Edit9, f.Edit10, f.Edit11},
                               {f.Edit12, f.Edit13, f.Edit14}};
    const int r = pick(100);
    if (r < 35) {
        ++m_kinds[KType];
        typeInto(inputs[calculator][pick(3)], true);
    } else if (r < 65) {
        pasteInto(inputs[calculator][pick(2)]);
    } else {
        general(calculator);
    }
}

void Monkey::pressBand(int target)
{
    ++m_kinds[KBand];
    auto& f = m_host.f();
    TShape* bands[] = {nullptr,  f.Shape1, f.Shape2, f.Shape3, f.Shape4,  f.Shape5,
                       f.Shape6, f.Shape7, f.Shape8, f.Shape9, f.Shape10, f.Shape11};
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[pick(4)];
    TShape* band = bands[target];
    const QPoint at(pick(band->width()), pick(band->height()));
    m_pressedTarget = target;
    m_pickedIndex = -1;
    const std::int64_t answeredBefore = m_modalsAnswered;
    const int role = roleOf(target);
    m_bandPressAt = band->mapToGlobal(at);
    // The press takes the test clock's next tick.
    m_bandPressTime = QTest::lastMouseTimestamp + 1;
    withModals([&] { QTest::mousePress(band, button, {}, at); });
    QTest::mouseRelease(band, button, {}, at);
    note(QStringLiteral("press band %1 with button %2, picked %3").arg(target).arg(int(button)).arg(m_pickedIndex));
    if (m_modalsAnswered == answeredBefore) {
        fail(QStringLiteral("a press on band %1 did not open the picker").arg(target));
        return;
    }
    if (m_pickedIndex < 0)
        return;
    if (!(Offered[role] & (1 << m_pickedIndex)))
        fail(QStringLiteral("picked colour %1 not offered to band %2").arg(m_pickedIndex).arg(target));
    m_band[static_cast<std::size_t>(target)] = ColourAt(m_pickedIndex);
    // A tolerance or TFR pick selects the matching item.
    const auto follow = [&](int list, const Item* items, int count) {
        for (int i = 0; i < count; ++i)
            if (items[i].colour == m_pickedIndex)
                m_list[static_cast<std::size_t>(list)] = i;
    };
    if (target == 5)
        follow(0, ToleranceList, 9);
    if (target == 10)
        follow(1, ToleranceList, 9);
    if (target == 11)
        follow(2, TfrList, 8);
}

void Monkey::chooseListItem(int list)
{
    ++m_kinds[KList];
    auto& f = m_host.f();
    QComboBox* boxes[] = {f.ComboBox1, f.ComboBox2, f.ComboBox3};
    QComboBox* box = boxes[list];
    const int index = pick(box->count());
    note(QStringLiteral("choose item %1 of %2").arg(index).arg(box->objectName()));
    // What the drop-down does when a person chooses a row: select it, then report it.
    box->setCurrentIndex(index);
    emit box->activated(index);
    m_list[static_cast<std::size_t>(list)] = index;
    const int bandOf[] = {5, 10, 11};
    m_band[static_cast<std::size_t>(bandOf[list])] =
        ColourAt(list == 2 ? TfrList[index].colour : ToleranceList[index].colour);
}

// A key a person can press: its key code and the text the keyboard gives with it.
struct Key {
    Qt::Key code;
    QString text;
};

void Monkey::typeInto(QWidget* widget, bool digitsField)
{
    static const std::vector<Key> special = {
        {Qt::Key_Backspace, QStringLiteral("\b")},
        {Qt::Key_Return, QStringLiteral("\r")},
        {Qt::Key_Enter, QStringLiteral("\r")},
        {Qt::Key_Escape, QString(QChar(27))},
        {Qt::Key_Delete, QString(QChar(0x7f))},
        {Qt::Key_Left, QString()},
        {Qt::Key_Right, QString()},
        {Qt::Key_Home, QString()},
        {Qt::Key_End, QString()},
        {Qt::Key_Up, QString()},
        {Qt::Key_Down, QString()},
        {Qt::Key_PageDown, QString()},
    };
    static const QString letters = QStringLiteral("abcXYZ +-.,/*eE$#_'\"<>&;") + QChar(0xB5) + QChar(0x0663) +
                                   QChar(0xFF15) + QChar(0x0416) + QChar(0x00E9);
    auto* field = qobject_cast<QLineEdit*>(widget);
    const bool calculates = field && digitsField && !field->isReadOnly();
    const QString before = field ? field->text() : QString();
    if (field)
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(1 + pick(field->width() - 2), field->height() / 2));
    else
        widget->setFocus();

    const int count = 1 + pick(12);
    int refused = 0;
    QString typed;
    for (int i = 0; i < count && !failed(); ++i) {
        Key key;
        const int r = pick(100);
        if (r < 55) {
            const int d = pick(10);
            key = {Qt::Key(Qt::Key_0 + d), QString(QChar(u'0' + d))};
        } else if (r < 80) {
            key = special[static_cast<std::size_t>(pick(static_cast<int>(special.size())))];
            // Enter in a value field calculates: that is calculate()'s and general()'s
            // action, with its own checks; here it stays an editing key.
            if (calculates && (key.code == Qt::Key_Return || key.code == Qt::Key_Enter))
                key = special.front();
        } else {
            const QChar c = letters[pick(static_cast<int>(letters.size()))];
            key = {c.isLetter() && c.unicode() < 128 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown, QString(c)};
        }
        typed += key.text.isEmpty() ? QStringLiteral("<%1>").arg(QKeySequence(key.code).toString()) : key.text;
        // Delete comes with the text "\x7f" from X11, as here; it is editing, not typing.
        if (!key.text.isEmpty() && key.code != Qt::Key_Delete) {
            const QChar c = key.text.front();
            if (!(c.isDigit() && c.unicode() < 128) && c != QChar(8) && c != QChar(13))
                ++refused;
        }
        // Arrows on a list choose a neighbouring item, as with the drop-down closed.
        withModals([&] { QTest::sendKeyEvent(QTest::Click, widget, key.code, key.text, Qt::NoModifier); });
    }
    note(QStringLiteral("type %1 into %2").arg(Visible(typed, 60), widget->objectName()));

    if (digitsField) {
        // Every refused character beeps; what passes is a digit, Backspace or Enter.
        if (m_beeps != refused)
            fail(QStringLiteral("%1 beeps for %2 refused characters").arg(m_beeps).arg(refused));
        int nonDigitsBefore = 0, nonDigitsAfter = 0;
        for (QChar c : before)
            nonDigitsBefore += !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        for (QChar c : field->text())
            nonDigitsAfter += !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        if (nonDigitsAfter > nonDigitsBefore)
            fail(QStringLiteral("typing left \"%1\" in %2").arg(field->text(), field->objectName()));
    } else {
        if (m_beeps != 0)
            fail(QStringLiteral("typing into a list beeped"));
        // A list changes only by choosing; arrows choose, which paints the band.
        auto* box = qobject_cast<QComboBox*>(widget);
        auto& f = m_host.f();
        const int list = box == f.ComboBox1 ? 0 : box == f.ComboBox2 ? 1 : 2;
        const int now = box->currentIndex();
        if (now != m_list[static_cast<std::size_t>(list)] && now >= 0) {
            m_list[static_cast<std::size_t>(list)] = now;
            const int bandOf[] = {5, 10, 11};
            m_band[static_cast<std::size_t>(bandOf[list])] =
                ColourAt(list == 2 ? TfrList[now].colour : ToleranceList[now].colour);
        }
    }
}

QChar Monkey::anyChar(int first, int count)
{
    if (!m_bounded)
        return QChar(char16_t(first + pick(count)));
    static const QString repertoire = [] {
        QString r;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            r += QChar(c);
        for (const QString& sample : Samples())
            for (const QChar c : sample)
                if (c.unicode() >= 0x7F && !c.isSurrogate() && !r.contains(c))
                    r += c;
        return r;
    }();
    return repertoire[pick(static_cast<int>(repertoire.size()))];
}

QString Monkey::randomPaste()
{
    const QStringList& fixed = Samples();
    const int r = pick(100);
    if (r < 40)
        return fixed[pick(static_cast<int>(fixed.size()))];
    if (r < 75) {
        // A whole number of one to nine digits, sometimes with leading zeros or a sign.
        QString s;
        const int len = 1 + pick(9);
        for (int i = 0; i < len; ++i)
            s += QChar(u'0' + pick(10));
        if (chance(10))
            s.prepend(chance(50) ? QLatin1Char('-') : QLatin1Char('+'));
        return s;
    }
    if (r < 90) {
        // Very long: digits, or anything at all.
        const int len = 10 + pick(chance(10) ? 100000 : 2000);
        QString s;
        s.reserve(len);
        const bool digitsOnly = chance(50);
        for (int i = 0; i < len; ++i)
            s += digitsOnly ? QChar(u'0' + pick(10)) : anyChar(1, 0xD7FF);
        return s;
    }
    // Any short text of printable characters from the first planes.
    QString s;
    const int len = pick(8);
    for (int i = 0; i < len; ++i)
        s += anyChar(0x20, 0x2FE0);
    return s;
}

void Monkey::pasteInto(QLineEdit* field)
{
    ++m_kinds[KPaste];
    const QString text = randomPaste();
    note(QStringLiteral("paste %1 chars \"%2\" into %3").arg(text.size()).arg(Visible(text, 40), field->objectName()));
    withModals([&] { field->setText(text); });
    // The field keeps what fits, as a paste would.
    if (field->text() != text.left(field->maxLength()))
        fail(QStringLiteral("%1 holds \"%2\" after a paste").arg(field->objectName(), Visible(field->text(), 40)));
    if (m_beeps != 0)
        fail(QStringLiteral("a paste beeped"));
}

void Monkey::calculate(bool resistor)
{
    ++m_kinds[KCalculate];
    auto& f = m_host.f();
    QLineEdit* field = resistor ? f.Edit1 : f.Edit2;
    QPushButton* button = resistor ? f.Button1 : f.Button2;
    const QString text = field->text();
    const int digits = resistor ? (resistorBands() == 4 ? 2 : 3) : (capacitorFourBands() ? 2 : 3);
    QRadioButton* unitButtons[2][3] = {{f.RadioButton5, f.RadioButton6, f.RadioButton7},
                                       {f.RadioButton10, f.RadioButton9, f.RadioButton8}};
    int unit = 0;
    while (unit < 2 && !unitButtons[resistor ? 0 : 1][unit]->isChecked())
        ++unit;
    const int way = pick(8); // 0, 1: Space on the button; 2, 3: Enter in the field; else a click
    const bool space = way < 2;
    const bool enter = way == 2 || way == 3;
    note(QStringLiteral("%1 Calculate on %2 with \"%3\", unit %4")
             .arg(space   ? QStringLiteral("Space")
                  : enter ? QStringLiteral("Enter in the field")
                          : QStringLiteral("click"))
             .arg(resistor ? QStringLiteral("resistor") : QStringLiteral("capacitor"))
             .arg(Visible(text, 40))
             .arg(unit));
    withModals([&] {
        if (space) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Space);
        } else if (enter) {
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        } else {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    });

    const auto box = [&](const QString& want, int icon) {
        if (m_boxes.size() != 1 || m_boxes[0].text != want || m_boxes[0].title != Title || m_boxes[0].icon != icon ||
            m_boxes[0].buttons != 1)
            fail(QStringLiteral("expected one box \"%1\", saw %2 box(es)%3")
                     .arg(Visible(want, 60))
                     .arg(m_boxes.size())
                     .arg(m_boxes.empty() ? QString()
                                          : QStringLiteral(", first \"%1\"").arg(Visible(m_boxes[0].text, 60))));
    };
    if (text.isEmpty()) {
        if (!m_boxes.empty() || m_beeps)
            fail(QStringLiteral("an empty field answered with a box or a beep"));
        return;
    }
    const auto n = WholeNumber(text);
    if (!n) {
        box(QStringLiteral("'%1' is not a valid integer value.").arg(AsQuoted(text)), QMessageBox::Critical);
        return;
    }
    const std::int64_t maximum[] = {999000000, 999000, 999};
    const std::int64_t factor[] = {1, 1000, 1000000};
    if (*n < 1 || *n > maximum[unit]) {
        const char* const names[2][3] = {{"Ohm", "KOhm", "MOhm"}, {"pF", "nF", "\u00b5F"}};
        box(QStringLiteral("Enter 1..%1 %2").arg(maximum[unit]).arg(QString::fromUtf8(names[resistor ? 0 : 1][unit])),
            QMessageBox::NoIcon);
        if (m_beeps != 1)
            fail(QStringLiteral("a refused number gave %1 beeps").arg(m_beeps));
        return;
    }
    if (!m_boxes.empty() || m_beeps)
        fail(QStringLiteral("an accepted number answered with a box or a beep"));
    // The bands of the code: leading digits, then the multiplier of the rest.
    const QString base = QString::number(*n * factor[unit]);
    const std::size_t first = resistor ? 1 : 6;
    for (int i = 0; i < digits; ++i)
        m_band[first + static_cast<std::size_t>(i)] = Digit[i < base.size() ? base[i].digitValue() : 0];
    const int exponent = static_cast<int>(base.size()) - digits;
    m_band[first + static_cast<std::size_t>(digits)] = MultiplierBand(exponent);
}

void Monkey::general(int calculator)
{
    ++m_kinds[KGeneral];
    auto& f = m_host.f();
    QLineEdit* inputs[4][2] = {{f.Edit3, f.Edit4}, {f.Edit6, f.Edit7}, {f.Edit9, f.Edit10}, {f.Edit12, f.Edit13}};
    QPushButton* buttons[] = {f.Button3, f.Button4, f.Button5, f.Button6};
    const bool sum = calculator == 0 || calculator == 3;
    const QString a = inputs[calculator][0]->text(), b = inputs[calculator][1]->text();
    // Enter in either value field does what the button does.
    const int enterIn = pick(4) - 2; // 0 or 1: that field; otherwise a click
    note(QStringLiteral("General %1 with \"%2\" and \"%3\"%4")
             .arg(calculator)
             .arg(Visible(a, 20), Visible(b, 20),
                  enterIn >= 0 ? QStringLiteral(", Enter in field %1").arg(enterIn) : QString()));
    withModals([&] {
        if (enterIn >= 0) {
            QLineEdit* field = inputs[calculator][enterIn];
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
        } else {
            QTest::mouseClick(buttons[calculator], Qt::LeftButton);
        }
    });

    const auto error = [&](const QString& want) {
        if (m_boxes.size() != 1 || m_boxes[0].text != want || m_boxes[0].icon != QMessageBox::Critical ||
            m_boxes[0].title != Title)
            fail(
                QStringLiteral("expected the error \"%1\", saw %2 box(es)").arg(Visible(want, 60)).arg(m_boxes.size()));
    };
    if (m_beeps)
        fail(QStringLiteral("General beeped"));
    if (a.isEmpty() && b.isEmpty()) {
        if (!m_boxes.empty())
            fail(QStringLiteral("two empty fields answered with a box"));
        return;
    }
    const auto x = WholeNumber(a), y = WholeNumber(b);
    const auto fits = [](const std::optional<std::int64_t>& v) { return v && *v >= INT32_MIN && *v <= INT32_MAX; };
    if (!fits(x))
        return error(QStringLiteral("'%1' is not a valid integer value.").arg(AsQuoted(a)));
    if (!fits(y))
        return error(QStringLiteral("'%1' is not a valid integer value.").arg(AsQuoted(b)));
    if (sum) {
        m_result[static_cast<std::size_t>(calculator)] = QString::number(*x + *y) + QStringLiteral(",00");
    } else if (*x == 0 || *y == 0) {
        m_result[static_cast<std::size_t>(calculator)] = QStringLiteral("0") + m_separator + QStringLiteral("00");
    } else if (*x + *y == 0) {
        return error(QStringLiteral("Floating point division by zero."));
    } else {
        m_result[static_cast<std::size_t>(calculator)] = TwoDecimals(*x * *y, *x + *y, m_separator);
    }
    if (!m_boxes.empty())
        fail(QStringLiteral("a calculation answered with a box \"%1\"").arg(Visible(m_boxes[0].text, 60)));
}

// ---------------------------------------------------------------------------------
// Modal windows: answered from a zero-interval timer, which runs inside their loop.

template <typename Fn>
void Monkey::withModals(Fn&& fn)
{
    m_modalTimer.start();
    fn();
    m_modalTimer.stop();
}

void Monkey::answerModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    ++m_modalsAnswered;
    if (++m_modalAnswers > 200) {
        fail(QStringLiteral("a modal window does not close: %1").arg(modal->windowTitle()));
        modal->close();
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        return;
    }
    const int way = pick(3);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        m_boxes.push_back({box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size())});
        if (box->textFormat() != Qt::PlainText)
            fail(QStringLiteral("a message box would read markup: \"%1\"").arg(Visible(box->text(), 40)));
        if (way == 0 && box->button(QMessageBox::Ok))
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
        return;
    }
    // Asking the main window for its dialogs would make the one not yet opened.
    if (auto* picker = qobject_cast<TColorForm*>(modal); picker && picker->parent() == &m_host.main())
        return answerPicker(picker);
    if (auto* about = qobject_cast<TAbout*>(modal); about && about->parent() == &m_host.main())
        return answerAbout(about);
    fail(QStringLiteral("an unexpected modal window: %1 \"%2\"")
             .arg(QString::fromLatin1(modal->metaObject()->className()), modal->windowTitle()));
    modal->close();
}

bool Monkey::endsBandDoubleClick(QWidget* widget, QPoint at) const
{
    const QStyleHints* hints = QGuiApplication::styleHints();
    // The press that follows takes the test clock's next tick.
    return QTest::lastMouseTimestamp + 1 - m_bandPressTime < hints->mouseDoubleClickInterval() &&
           (widget->mapToGlobal(at) - m_bandPressAt).manhattanLength() <= hints->mouseDoubleClickDistance();
}

void Monkey::answerPicker(QDialog* dialog)
{
    auto& p = m_host.picker();
    const int target = m_pressedTarget;
    if (dialog->windowTitle() != QString::fromLatin1(Captions[target]))
        fail(QStringLiteral("picker caption \"%1\" for band %2").arg(dialog->windowTitle()).arg(target));
    TShape* swatches[] = {p.Shape1, p.Shape2, p.Shape3, p.Shape4,  p.Shape5,  p.Shape6,
                          p.Shape7, p.Shape8, p.Shape9, p.Shape10, p.Shape11, p.Shape12};
    int offered = p.Panel1->isVisible() ? 1 << NoneIx : 0;
    for (int i = 0; i < 12; ++i)
        offered |= swatches[i]->isVisible() ? 1 << i : 0;
    const int role = roleOf(target);
    if (offered != Offered[role])
        fail(QStringLiteral("picker offers %1 to band %2 as %3")
                 .arg(offered, 0, 2)
                 .arg(target)
                 .arg(QString::fromLatin1(RoleNames[role])));

    const int r = pick(100);
    if (r < 72) {
        std::vector<int> shown;
        for (int i = 0; i < 12; ++i)
            if (swatches[i]->isVisible())
                shown.push_back(i);
        const int i = shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))];
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        const Qt::MouseButton button = buttons[pick(3)];
        const QPoint at(pick(swatches[i]->width()), pick(swatches[i]->height()));
        const bool echo = endsBandDoubleClick(swatches[i], at);
        m_pickedIndex = echo ? -1 : i;
        QTest::mousePress(swatches[i], button, {}, at);
        QTest::mouseRelease(swatches[i], button, {}, at);
        if (echo != dialog->isVisible())
            fail(QStringLiteral("a press on swatch %1 where band %2 was just pressed %3 the picker")
                     .arg(i)
                     .arg(target)
                     .arg(echo ? QStringLiteral("closed") : QStringLiteral("left open")));
    } else if (r < 84 && p.Panel1->isVisible()) {
        // Only a click of the primary button picks "None"; other buttons do nothing.
        const bool primary = chance(75);
        if (primary && !endsBandDoubleClick(p.Panel1, p.Panel1->rect().center()))
            m_pickedIndex = NoneIx;
        QTest::mouseClick(p.Panel1, primary ? Qt::LeftButton : Qt::RightButton);
        if (!primary && !dialog->isVisible())
            fail(QStringLiteral("a secondary click on None closed the picker"));
    } else if (r < 92) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else {
        dialog->close();
    }
    if (m_pickedIndex >= 0 && dialog->isVisible())
        fail(QStringLiteral("the picker stayed open after a pick"));
}

void Monkey::answerAbout(QDialog* dialog)
{
    auto* about = static_cast<TAbout*>(dialog);
    const int r = pick(100);
    if (r < 35) {
        QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    } else if (r < 60) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    } else if (r < 75) {
        dialog->close();
    } else {
        // A link: a primary click opens it, other buttons do nothing; the dialog stays.
        QLabel* link = about->findChild<QLabel*>(chance(50) ? QStringLiteral("Label1") : QStringLiteral("Label2"));
        const bool primary = chance(75);
        QTest::mouseClick(link, primary ? Qt::LeftButton : Qt::RightButton);
        m_expectedUrls += primary;
        if (!dialog->isVisible())
            fail(QStringLiteral("a link click closed the About dialog"));
    }
}

// ---------------------------------------------------------------------------------
// The checks after every action.

void Monkey::check()
{
    auto& f = m_host.f();
    TShape* bands[] = {nullptr,  f.Shape1, f.Shape2, f.Shape3, f.Shape4,  f.Shape5,
                       f.Shape6, f.Shape7, f.Shape8, f.Shape9, f.Shape10, f.Shape11};

    // No window but the main one is open between actions.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &m_host.main() && w->isVisible())
            return fail(QStringLiteral("left open: %1 \"%2\"")
                            .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle()));

    // Band counts: a change clears a third band that its new role cannot read.
    const int rb = resistorBands();
    if (rb != m_resistorBands) {
        const int third = IndexOf(m_band[3]);
        if (rb == 4 ? (third == 8 || third == 9) : (third == GoldIx || third == SilverIx))
            m_band[3] = None;
        m_resistorBands = rb;
    }
    const bool cf = capacitorFourBands();
    if (cf != m_capacitorFour) {
        const int third = IndexOf(m_band[8]);
        if (cf ? (third == 8 || third == 9) : (third == GoldIx || third == SilverIx))
            m_band[8] = None;
        m_capacitorFour = cf;
    }
    if (f.Shape4->isHidden() != (rb == 4) || f.Shape11->isHidden() != (rb != 6) || f.Shape9->isHidden() != cf)
        return fail(QStringLiteral("band visibility does not follow the band counts"));

    for (int t = 1; t <= 11; ++t) {
        const BandColour have = bands[t]->brushColour();
        const int ix = IndexOf(have);
        // Every band holds a colour its role accepts (or is unset); hidden bands keep
        // the role they had when last painted, which is the one roleOf gives, except a
        // hidden fourth band, which is only ever painted as a multiplier.
        const int role = roleOf(t);
        if (ix < 0 || !(ix == NoneIx || (Offered[role] & (1 << ix))))
            return fail(QStringLiteral("band %1 holds %2, not a %3 colour")
                            .arg(t)
                            .arg(have, 6, 16, QLatin1Char('0'))
                            .arg(QString::fromLatin1(RoleNames[role])));
        if (have != m_band[static_cast<std::size_t>(t)])
            return fail(QStringLiteral("band %1 holds %2, the model says %3")
                            .arg(t)
                            .arg(have, 6, 16, QLatin1Char('0'))
                            .arg(m_band[static_cast<std::size_t>(t)], 6, 16, QLatin1Char('0')));
    }

    // The tolerance and TFR lists agree with their bands.
    QComboBox* lists[] = {f.ComboBox1, f.ComboBox2, f.ComboBox3};
    const int listBand[] = {5, 10, 11};
    for (int l = 0; l < 3; ++l) {
        const int index = lists[l]->currentIndex();
        // The capacitor's list may select "20%" by itself when its edit part loses the
        // focus while showing that text; it looks the same and its band stays unset.
        if (l == 1 && m_list[1] == -1 && index == 8)
            m_list[1] = 8;
        if (index != m_list[static_cast<std::size_t>(l)])
            return fail(QStringLiteral("%1 selects %2, the model says %3")
                            .arg(lists[l]->objectName())
                            .arg(index)
                            .arg(m_list[static_cast<std::size_t>(l)]));
        const Item* items = l == 2 ? TfrList : ToleranceList;
        const int bandIx = IndexOf(bands[listBand[l]]->brushColour());
        const QString shown = lists[l]->currentText();
        if (index < 0) {
            // The capacitor's list shows "20%" before its first choice; its band is unset.
            if (shown != QStringLiteral("20%") || bandIx != NoneIx)
                return fail(QStringLiteral("%1 without a selection shows \"%2\"").arg(lists[l]->objectName(), shown));
        } else if (shown != QString::fromLatin1(items[index].text) || bandIx != items[index].colour) {
            return fail(QStringLiteral("%1 shows \"%2\" beside band %3 of colour %4")
                            .arg(lists[l]->objectName(), shown)
                            .arg(listBand[l])
                            .arg(bandIx));
        }
    }

    // Each page's value, decoded here from its visible value bands.
    const auto decode = [&](std::initializer_list<int> targets, const char* const units[3]) -> QString {
        std::vector<int> ix;
        for (int t : targets) {
            const int i = IndexOf(bands[t]->brushColour());
            if (i == NoneIx)
                return QStringLiteral("Check color!");
            ix.push_back(i);
        }
        std::int64_t significand = 0;
        for (std::size_t i = 0; i + 1 < ix.size(); ++i)
            significand = significand * 10 + ix[i];
        const int exponent = ix.back() == GoldIx ? -1 : ix.back() == SilverIx ? -2 : ix.back();
        return ExpectedText(significand * Pow10(exponent + 2), units, m_separator);
    };
    const QString resistance = rb == 4 ? decode({1, 2, 3}, OhmUnits) : decode({1, 2, 3, 4}, OhmUnits);
    if (f.Label1->text() != resistance)
        return fail(QStringLiteral("resistor shows \"%1\", its bands say \"%2\"").arg(f.Label1->text(), resistance));
    const QString capacitance = cf ? decode({6, 7, 8}, FaradUnits) : decode({6, 7, 8, 9}, FaradUnits);
    if (f.Label3->text() != capacitance)
        return fail(QStringLiteral("capacitor shows \"%1\", its bands say \"%2\"").arg(f.Label3->text(), capacitance));

    // The calculators' results change only by their buttons.
    QLineEdit* results[] = {f.Edit5, f.Edit8, f.Edit11, f.Edit14};
    for (int c = 0; c < 4; ++c)
        if (results[c]->text() != m_result[static_cast<std::size_t>(c)])
            return fail(QStringLiteral("result %1 reads \"%2\", expected \"%3\"")
                            .arg(c)
                            .arg(Visible(results[c]->text(), 40), m_result[static_cast<std::size_t>(c)]));

    if (m_openedUrls != m_expectedUrls)
        return fail(QStringLiteral("%1 addresses opened, %2 expected").arg(m_openedUrls).arg(m_expectedUrls));
}

} // namespace kolvane::test

#include "monkey.moc"
