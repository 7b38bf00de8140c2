// SPDX-License-Identifier: MIT
#include "capacitorpage.h"

#include "feedback.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QRadioButton>

#include <QLineEdit>

namespace kolvane {
namespace {

// While no item is selected the open list highlights nothing. The list view makes its
// first item current when it takes the focus, which paints it highlighted as if chosen;
// an item the pointer or the arrow keys reach is selected and stays highlighted.
void KeepNoHighlightWithoutSelection(QComboBox* list)
{
    QAbstractItemView* view = list->view();
    QObject::connect(
        view->selectionModel(), &QItemSelectionModel::currentChanged, list, [list, view](const QModelIndex& current) {
            if (current.isValid() && list->currentIndex() < 0 && !view->selectionModel()->isSelected(current))
                view->selectionModel()->clearCurrentIndex();
        });
}

} // namespace

CapacitorPage::CapacitorPage(const CapacitorControls& controls, PickerSource picker, QWidget* owner, QObject* parent)
    : ColourCodePage(controls.code, CapacitorUnits(), Quantity::Capacitance, LastReading{}, std::move(picker), owner,
                     parent)
{
    // A list with an edit part that shows "20%" while no item is selected; the edit
    // part takes no typing, so the text changes only with the selection.
    controls.code.toleranceList->setEditable(true);
    controls.code.toleranceList->lineEdit()->setReadOnly(true);
    controls.code.toleranceList->setCurrentIndex(-1);
    controls.code.toleranceList->setEditText(QStringLiteral("20%"));
    KeepNoHighlightWithoutSelection(controls.code.toleranceList);

    connect(controls.calculate, &QAbstractButton::clicked, this, Guarded(owner, [this](bool) { calculate(); }));
    connect(controls.code.toleranceList, &QComboBox::activated, this, &CapacitorPage::chooseTolerance);
}

} // namespace kolvane
