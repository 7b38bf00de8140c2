// SPDX-License-Identifier: MIT
// Checks that both colour-code pages go through: every accepted code read from the
// bands, and typed values painted as bands, each against an integer computation.
#pragma once

#include "bandshape.h"
#include "tests/support/expected.h"
#include "tests/support/modalwatch.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <functional>
#include <string>

namespace kolvane::test {

// A pick through the real picker: press the band, then the swatch inside.
inline void PickThroughPicker(TShape* band, TShape* swatch)
{
    ModalWatch watch([swatch](QDialog* dialog) {
        QTest::mousePress(swatch, Qt::LeftButton);
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mousePress(band, Qt::LeftButton);
    QCOMPARE(watch.dialogs(), 1);
}

// The colour table written out again, independently of the production table.
inline constexpr BandColour Digit[10] = {0x000000, 0x004080, 0x1A1AFF, 0x0080FF, 0x15FFFF,
                                         0x008C00, 0xFF1A1A, 0xAA00AA, 0x787878, 0xFFFFFF};
inline constexpr BandColour Gold = 0x72B8B8, Silver = 0xC5C5C5, None = 0xE6F8FF;

inline BandColour MultiplierBand(int exponent)
{
    return exponent == -1 ? Gold : exponent == -2 ? Silver : Digit[exponent];
}

struct PageUnderTest {
    std::array<TShape*, 4> bands;
    QLabel* label;
    QLineEdit* field;
    QAbstractButton* calculate;
    const char* const* units;
    std::function<void()> recompute;
};

// Every code of `digits` digit bands whose multiplier exponent runs to `maxExponent`.
inline void CheckEveryCode(const PageUnderTest& page, int digits, int maxExponent, QChar separator)
{
    int checked = 0;
    const int codes = digits == 2 ? 100 : 1000;
    for (int code = codes / 10; code < codes; ++code) {
        const int d[3] = {digits == 2 ? code / 10 : code / 100, digits == 2 ? code % 10 : code / 10 % 10, code % 10};
        for (int i = 0; i < digits; ++i)
            page.bands[static_cast<std::size_t>(i)]->setBrushColour(Digit[d[i]]);
        for (int exponent = -2; exponent <= maxExponent; ++exponent) {
            page.bands[static_cast<std::size_t>(digits)]->setBrushColour(MultiplierBand(exponent));
            page.recompute();
            const QString want = ExpectedText(code * Pow10(exponent + 2), page.units, separator);
            if (page.label->text() != want)
                QFAIL(qPrintable(QStringLiteral("code %1 x10^%2: got %3, want %4")
                                     .arg(code)
                                     .arg(exponent)
                                     .arg(page.label->text(), want)));
            ++checked;
        }
    }
    QCOMPARE(checked, (codes - codes / 10) * (maxExponent + 3));
}

// Typed numbers from 1 to the unit's maximum, densely at the small end.
inline void CheckTypedValues(const PageUnderTest& page, std::int64_t factor, int digits)
{
    const std::int64_t maximum = 999000000 / factor;
    QList<std::int64_t> values = {1, 2, 9, 10, 11, 99, 100, 101, 999, 1000, maximum - 1, maximum};
    for (std::int64_t n = 7; n < maximum; n = n * 13 / 10 + 3)
        values.append(n);
    for (const std::int64_t n : values) {
        if (n < 1 || n > maximum)
            continue;
        page.field->setText(QString::number(n));
        page.calculate->click();
        const std::string base = std::to_string(n * factor);
        const int length = static_cast<int>(base.size());
        std::int64_t significand = 0;
        for (int i = 0; i < digits; ++i) {
            const int d = i < length ? base[static_cast<std::size_t>(i)] - '0' : 0;
            significand = significand * 10 + d;
            QCOMPARE(page.bands[static_cast<std::size_t>(i)]->brushColour(), Digit[d]);
        }
        const int exponent = length - digits;
        QCOMPARE(page.bands[static_cast<std::size_t>(digits)]->brushColour(), MultiplierBand(exponent));
        QCOMPARE(page.label->text(), ExpectedText(significand * Pow10(exponent + 2), page.units, QLatin1Char('.')));
        QCOMPARE(page.field->text(), QString::number(n));
    }
}

} // namespace kolvane::test
