// SPDX-License-Identifier: MIT
// The About dialog: the product's picture and two links, to the maker's web site
// and to its support mail address. Created once and reused, so a clicked link
// stays maroon for the rest of the run.
#pragma once

#include <QDialog>

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

private:
    std::unique_ptr<Ui::TAbout> ui;
    QObject* m_pressed = nullptr;
};

} // namespace kolvane
