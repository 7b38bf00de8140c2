// SPDX-License-Identifier: MIT
// The Labels window: which values, on which sheet, showing what; a preview drawn by the
// code that prints; printing, PDF, SVG and a calibration page. Modeless, made on first
// use and kept; its choices are remembered between runs.
#pragma once

#include "labellayout.h"
#include "valuelist.h"
#include "wholefile.h"

#include <QDialog>
#include <QHash>
#include <QPointF>
#include <QTimer>

#include <optional>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace kolvane {

class LabelPreview;

class LabelsWindow : public QDialog {
    Q_OBJECT
public:
    explicit LabelsWindow(QWidget* parent);
    ~LabelsWindow() override;

    // Shows the window for `q` (the page it was opened from) and brings it to the front.
    // With a value, the window lists that value alone.
    void open(Quantity q, std::optional<double> value = std::nullopt);

    Quantity quantity() const;
    // The options the controls hold now, the sheet and offsets included.
    LabelOptions options() const;
    // The values the controls hold now, or why they hold none.
    ValueListResult values() const;
    // What the preview shows, as printing and saving would write it; empty with a
    // problem.
    const LabelLayout& labelLayout() const;
    // Why nothing can be printed ("line 2: 'x' is not a value"); empty when all is well.
    QString problem() const { return m_problem; }

    // Lays out again at once instead of on the next turn of the event loop.
    void refresh();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void loadSettings();
    void saveSettings() const;
    // The sheet chosen, a preset or the custom fields.
    Sheet sheet() const;
    // The sheet the fields show, and showing one there: a preset's figures, greyed, or
    // the custom sheet's, open to editing.
    Sheet sheetInFields() const;
    void showInFields(const Sheet& sheet);
    QString sheetKey() const;
    void sheetChosen();
    void quantityChosen();
    void sourceChosen();
    void scheduleLayout();
    void layOut();
    void showPage();
    void print(const LabelLayout& layout);
    void chooseAndSavePdf(const LabelLayout& layout);
    void chooseAndSaveSvg(const LabelLayout& layout);
    LabelLayout calibration() const;
    // The file dialog's answer, empty when cancelled; remembers the folder.
    QString askSavePath(const QString& caption, const QString& suffix, const QString& filter);
    void reportFailure(const QString& path);

    QRadioButton* m_resistors;
    QRadioButton* m_capacitors;
    QRadioButton* m_range;
    QRadioButton* m_list;
    QComboBox* m_series;
    QLineEdit* m_from;
    QLineEdit* m_to;
    QPlainTextEdit* m_values;
    QComboBox* m_sheet;
    QWidget* m_custom;
    QDoubleSpinBox* m_pageWidth;
    QDoubleSpinBox* m_pageHeight;
    QSpinBox* m_columns;
    QSpinBox* m_rows;
    QDoubleSpinBox* m_labelWidth;
    QDoubleSpinBox* m_labelHeight;
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_across;
    QDoubleSpinBox* m_down;
    QSpinBox* m_start;
    QSpinBox* m_copies;
    QCheckBox* m_bands;
    QCheckBox* m_smd;
    QCheckBox* m_letter;
    QCheckBox* m_outlines;
    QCheckBox* m_fold;
    QDoubleSpinBox* m_offsetX;
    QDoubleSpinBox* m_offsetY;
    LabelPreview* m_preview;
    QPushButton* m_previous;
    QPushButton* m_next;
    QLabel* m_summary;
    QPushButton* m_print;
    QPushButton* m_savePdf;
    QPushButton* m_saveSvg;
    QPushButton* m_calibration;

    // The offsets of every sheet the user has corrected, by sheet key.
    QHash<QString, QPointF> m_offsets;
    QString m_offsetSheet;
    // The custom sheet's figures, kept while a preset's are shown in their fields.
    Sheet m_customSheet;
    // The range fields of the other kind of part, kept while this kind is shown.
    QString m_otherFrom;
    QString m_otherTo;
    QString m_problem;
    QString m_folder;
    QTimer m_layoutTimer;
    bool m_loading = false;
};

// The text a value takes in the Values list so that it reads back as the same value:
// "4k7" for 4.7 kΩ, "100n" for 100 nF.
QString ListedValue(double value, Quantity q);

} // namespace kolvane
