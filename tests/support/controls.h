// SPDX-License-Identifier: MIT
// The controls of the main window and of the picker, found by their object names as a
// user's tools find them: the windows' generated forms stay private to the program.
#pragma once

#include "bandshape.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

namespace kolvane::test {

// clang-format off
#define KOLVANE_MAIN_CONTROLS(X) \
    X(QAction, About1) X(QAction, Exit1) X(QAction, Pellmoorhomepage1) X(QAction, Support1) X(QAction, homepage)    \
    X(QAction, Resistor1) X(QAction, Capasitor1) X(QAction, Amountofresistor1) X(QAction, Amountofcapasitor1)       \
    X(QPushButton, Button1) X(QPushButton, Button2) X(QPushButton, Button3) X(QPushButton, Button4)                 \
    X(QPushButton, Button5) X(QPushButton, Button6) X(QComboBox, ComboBox1) X(QComboBox, ComboBox2)                 \
    X(QComboBox, ComboBox3) X(QLineEdit, Edit1) X(QLineEdit, Edit2) X(QLineEdit, Edit3) X(QLineEdit, Edit4)         \
    X(QLineEdit, Edit5) X(QLineEdit, Edit6) X(QLineEdit, Edit7) X(QLineEdit, Edit8) X(QLineEdit, Edit9)             \
    X(QLineEdit, Edit10) X(QLineEdit, Edit11) X(QLineEdit, Edit12) X(QLineEdit, Edit13) X(QLineEdit, Edit14)        \
    X(QMenu, File1) X(QMenu, Unit1) X(QMenu, Help1) X(QMenuBar, MainMenu1) X(QLabel, Label1) X(QLabel, Label3)      \
    X(QLabel, Image1) X(QLabel, Image2) X(QLabel, Image3) X(QLabel, Image4) X(QTabWidget, PageControl1)             \
    X(QWidget, centralwidget) X(QWidget, TabSheet1) X(QWidget, TabSheet2) X(QWidget, TabSheet3)                     \
    X(QWidget, TabSheet4) X(QRadioButton, RadioButton1) X(QRadioButton, RadioButton2)                               \
    X(QRadioButton, RadioButton3) X(QRadioButton, RadioButton4) X(QRadioButton, RadioButton5)                       \
    X(QRadioButton, RadioButton6) X(QRadioButton, RadioButton7) X(QRadioButton, RadioButton8)                       \
    X(QRadioButton, RadioButton9) X(QRadioButton, RadioButton10) X(QRadioButton, RadioButton11)                     \
    X(TShape, Shape1) X(TShape, Shape2) X(TShape, Shape3) X(TShape, Shape4) X(TShape, Shape5) X(TShape, Shape6)     \
    X(TShape, Shape7) X(TShape, Shape8) X(TShape, Shape9) X(TShape, Shape10) X(TShape, Shape11)                     \
    X(TShape, Shape12) X(TShape, Shape13) X(TShape, Shape14) X(TShape, Shape15) X(TShape, Shape16)                  \
    X(TShape, Shape17)
// clang-format on

// A missing control is a broken test set-up, not a finding of the test.
template <typename T>
void FindControl(T*& member, QWidget* window, const char* name)
{
    member = window->findChild<T*>(QLatin1String(name));
    if (!member)
        qFatal("The window has no %s named %s", T::staticMetaObject.className(), name);
}

#define KOLVANE_FIND(Type, name) FindControl(name, window, #name);
#define KOLVANE_DECLARE(Type, name) Type* name = nullptr;

struct MainControls {
    explicit MainControls(QWidget* window){KOLVANE_MAIN_CONTROLS(KOLVANE_FIND)} KOLVANE_MAIN_CONTROLS(KOLVANE_DECLARE)
};

// clang-format off
#define KOLVANE_PICKER_CONTROLS(X)                                                                                     \
    X(QLabel, Label1)                                                                                                  \
    X(QLabel, Panel1) X(TShape, Shape1) X(TShape, Shape2) X(TShape, Shape3) X(TShape, Shape4) X(TShape, Shape5)        \
        X(TShape, Shape6) X(TShape, Shape7) X(TShape, Shape8) X(TShape, Shape9) X(TShape, Shape10) X(TShape, Shape11)  \
            X(TShape, Shape12)
// clang-format on

struct PickerControls {
    explicit PickerControls(QWidget* window){
        KOLVANE_PICKER_CONTROLS(KOLVANE_FIND)} KOLVANE_PICKER_CONTROLS(KOLVANE_DECLARE)
};

#undef KOLVANE_PICKER_CONTROLS
#undef KOLVANE_DECLARE
#undef KOLVANE_FIND
#undef KOLVANE_MAIN_CONTROLS

} // namespace kolvane::test
