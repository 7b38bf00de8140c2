// SPDX-License-Identifier: MIT
// A seeded random walk of what a person can do to the program: presses on bands and
// swatches, list choices, switches, typing, pasting, calculations, shortcuts and the
// dialogs. After every action it compares the windows with a model of its own that
// knows the colour code, the picker's offers and the calculators' rules.
#pragma once

#include "tests/support/apphost.h"

#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <random>

class QDialog;
class QLineEdit;
class QWidget;

namespace kolvane::test {

class Monkey {
public:
    Monkey(AppHost& host, std::uint64_t seed);
    ~Monkey();

    // Runs actions until `total` have been done since construction. Returns false at
    // the first check that fails; failure() then says what, at which step.
    bool run(std::int64_t total);
    // Pastes every sample text into a field of each page and calculates with it: a
    // fixed tour through the rare paths, three actions per page and sample.
    bool tour();
    // Random texts drawn only from a fixed set of characters, so that a long walk stops
    // meeting characters that the toolkit has never drawn before.
    void setBoundedText(bool bounded) { m_bounded = bounded; }
    // Closes anything left open and checks that no dialog remains.
    bool finish();

    std::int64_t steps() const { return m_step; }
    const QString& failure() const { return m_failure; }
    // The last actions, oldest first, to read beside a failure.
    QStringList recent() const { return QStringList(m_recent.begin(), m_recent.end()); }
    // How many actions of each kind ran, and how many modal windows were answered.
    QString tally() const;

private:
    struct Box {
        QString title, text;
        int icon = 0;
        int buttons = 0;
    };

    // One action, chosen by the generator.
    void act();
    template <typename Fn>
    void step(Fn&& action);
    void globalAction();
    void codePageAction(bool resistor);
    void combinePageAction();

    void pressBand(int target);
    void chooseListItem(int list);
    void typeInto(QWidget* widget, bool digitsField);
    void pasteInto(QLineEdit* field);
    void calculate(bool resistor);
    void general(int calculator);
    void switchPage();
    void openAbout();
    // A reading from the table of readings; a random one when `row` is -1.
    void lookUp(int row = -1);

    // Runs an action that may open modal windows; answers them as a person would.
    template <typename Fn>
    void withModals(Fn&& fn);
    void answerModal();
    void answerPicker(QDialog* picker);
    void answerAbout(QDialog* about);

    void check();
    void fail(const QString& what);
    void note(const QString& action);
    bool failed() const { return !m_failure.isEmpty(); }

    int pick(int n) { return static_cast<int>(m_rng() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    QString randomPaste();
    QChar anyChar(int first, int count);
    int resistorBands() const;
    bool capacitorFourBands() const;
    int roleOf(int target) const;

    AppHost& m_host;
    std::uint64_t m_seed;
    std::mt19937_64 m_rng;
    QChar m_separator;
    std::int64_t m_step = 0;
    QString m_failure;
    std::deque<QString> m_recent;

    // The model: band colours (index 1 to 11), list selections, calculator results,
    // the band counts it last saw, and what the last action's modal windows showed.
    std::array<std::uint32_t, 12> m_band{};
    std::array<int, 3> m_list{};
    std::array<QString, 4> m_result;
    int m_resistorBands = 4;
    bool m_capacitorFour = true;
    int m_page = 0;
    bool m_bounded = false;
    int m_openedUrls = 0;
    int m_expectedUrls = 0;
    int m_beeps = 0;
    std::vector<Box> m_boxes;
    int m_pressedTarget = 0;
    int m_pickedIndex = -1; // colour index of the last pick, -1 for none
    // Where and when the band was pressed: a press there within the double-click time
    // ends that double click and picks nothing.
    QPoint m_bandPressAt;
    int m_bandPressTime = 0;
    bool endsBandDoubleClick(QWidget* widget, QPoint at) const;
    int m_modalAnswers = 0; // within one action, to stop a dialog that never closes
    QTimer m_modalTimer;
    std::array<std::int64_t, 16> m_kinds{};
    std::int64_t m_modalsAnswered = 0;
};

} // namespace kolvane::test
