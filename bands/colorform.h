// The colour picker: a small modal dialog that offers only the colours a band's role
// accepts. It is created once and reused; its caption and swatches stay as last set.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QRadioButton;

namespace Ui {
class TColorForm;
}

namespace kolvane {

class TColorForm : public QDialog {
    Q_OBJECT
public:
    // `resistorFourBands` and `capacitorFourBands` are the pages' "4 bands" buttons,
    // which decide what a third band may hold; `apply` paints the picked colour.
    TColorForm(QWidget* parent, const QRadioButton* resistorFourBands, const QRadioButton* capacitorFourBands,
               std::function<void()> apply);
    ~TColorForm() override;

    void FormActivate();
    void Pick(std::uint32_t colour);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TColorForm> ui;
    const QRadioButton* m_resistorFour;
    const QRadioButton* m_capacitorFour;
    std::function<void()> m_apply;
};

} // namespace kolvane
