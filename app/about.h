// SPDX-License-Identifier: MIT
// The About dialog: the product's picture and two links, to the maker's web site
// and to its support mail address. Created once and reused, so a clicked link
// stays maroon for the rest of the run. Tab reaches the links after "Ok", and Enter
// opens the focused one.
#pragma once

#include <QDialog>

#include <array>
#include <memory>

namespace Ui {
class TAbout;
}

class QLabel;

namespace kolvane {

class TAbout : public QDialog {
    Q_OBJECT
public:
    explicit TAbout(QWidget* parent);
    ~TAbout() override;

    void openWebSite();
    void writeToSupport();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Tab goes from "Ok" to the web site's link, to the mail link and back to "Ok".
    bool focusNextPrevChild(bool next) override;

private:
    std::unique_ptr<Ui::TAbout> ui;
    QObject* m_pressed = nullptr;
    std::array<QWidget*, 2> m_links{};
};

} // namespace kolvane
