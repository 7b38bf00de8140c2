// SPDX-License-Identifier: MIT
// The selected reading's colour codes drawn as the labels draw them: a resistor's 4- and
// 5-band codes side by side, or a capacitor's code. The colour names stay in the
// details' text, which screen readers read.
#pragma once

#include "labellayout.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace kolvane {

class CodePictureView : public QWidget {
    Q_OBJECT
public:
    explicit CodePictureView(QWidget* parent = nullptr);

    // The codes that state `value` (ohm or picofarad) exactly; none without a value.
    void showValue(std::optional<double> value, Quantity q);
    std::size_t codeCount() const { return m_codes.size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BandGroup> m_codes;
};

} // namespace kolvane
