// SPDX-License-Identifier: MIT
// The main window: four pages, the menu bar with its shortcuts, and the commands that
// switch pages and open the help page, the maker's pages and the About dialog.
#pragma once

#include <QMainWindow>

#include <memory>

namespace Ui {
class TMainForm;
}

class QDialog;

namespace kolvane {

struct Windows;
class BandPicking;
class CapacitorPage;
class CombinePage;
class ResistorPage;
class TColorForm;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    ResistorPage& resistorPage() { return *m_resistor; }
    CapacitorPage& capacitorPage() { return *m_capacitor; }

    // The dialogs are made on first use, once, hidden, and reused until the main
    // window goes; a start-up that shows only the main window does not pay for them.
    TColorForm* colorForm();
    QDialog* about();

    void ApplyPickedColour();

    void Exit1Click();
    void Resistor1Click();
    void Capasitor1Click();
    void Amountofresistor1Click();
    void Amountofcapasitor1Click();
    void Support1Click();
    void homepageClick();
    void Pellmoorhomepage1Click();
    void About1Click();

private:
    void FormCreate();

    std::unique_ptr<Ui::TMainForm> ui;
    ResistorPage* m_resistor = nullptr;
    CapacitorPage* m_capacitor = nullptr;
    CombinePage* m_combine = nullptr;
    BandPicking* m_picking = nullptr;
    TColorForm* m_colorForm = nullptr;
    QDialog* m_about = nullptr;
};

// Puts an access key on each entry: the first letter or digit of its caption that no
// earlier entry of the same menu has taken.
void AssignAccessKeys(const QList<QAction*>& entries);

// The program's three windows: the main window, created here, and the two dialogs
// that it owns and makes when they are first asked for.
struct Windows {
    std::unique_ptr<TMainForm> mainForm;
    TColorForm* colorForm() const { return mainForm->colorForm(); }
    QDialog* about() const { return mainForm->about(); }
};
Windows CreateWindows();

} // namespace kolvane
