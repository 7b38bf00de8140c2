// SPDX-License-Identifier: MIT
// Shows a dialog built from a .ui form with two owner-drawn buttons on a tab page.
//
//   qevbutton-consumer                      shows the dialog; prints its result
//   qevbutton-consumer --self-test          presses Enter, then Escape, in the line
//                                           edit; exits 0 when they give 1 and 2
//   qevbutton-consumer --self-test --designer-plugins DIR
//                                           also loads a form through the Designer
//                                           plugin in DIR
#include "qevbutton.h"
#include "ui_consumerdialog.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QKeyEvent>
#include <QTextStream>
#include <QTimer>
#include <QUiLoader>

#include <memory>

namespace {

// Runs the dialog modally and presses the key in the line edit once it is up.
int resultOfKey(QDialog& dialog, QWidget* edit, int key)
{
    QTimer::singleShot(0, edit, [edit, key] {
        edit->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(edit, &press);
    });
    // Nothing to press the key into would leave the dialog open; this ends it then.
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(-1); });
    return dialog.exec();
}

// A form read at run time creates its buttons through the plugin; they must be of the
// very class this program links.
bool pluginMakesTheButton(const QString& dir, QTextStream& out)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(dir);
    if (!loader.availableWidgets().contains(QStringLiteral("TQevButton"))) {
        out << "the Designer plugin in " << dir << " offers no TQevButton\n";
        return false;
    }
    QByteArray form = "<ui version=\"4.0\"><widget class=\"QWidget\" name=\"w\">"
                      "<widget class=\"TQevButton\" name=\"b\"><property name=\"ButtonKind\">"
                      "<enum>TQevCustomButton::skYes</enum></property></widget></widget></ui>";
    QBuffer buffer(&form);
    std::unique_ptr<QWidget> w(loader.load(&buffer));
    auto* button = w ? w->findChild<TQevButton*>(QStringLiteral("b")) : nullptr;
    if (!button || button->Caption() != QStringLiteral("&Yes")) {
        out << "the plugin's button is missing or not this program's class\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream out(stdout);

    QDialog dialog;
    Ui::ConsumerDialog ui;
    ui.setupUi(&dialog);
    int okClicks = 0, cancelClicks = 0;
    QObject::connect(ui.ok, &TQevButton::OnClick, [&] { ++okClicks; });
    QObject::connect(ui.cancel, &TQevButton::OnClick, [&] { ++cancelClicks; });

    if (!args.contains(QStringLiteral("--self-test"))) {
        const int result = dialog.exec();
        out << "result " << result << "\n";
        return 0;
    }

    const int enter = resultOfKey(dialog, ui.name, Qt::Key_Return);
    const int escape = resultOfKey(dialog, ui.name, Qt::Key_Escape);
    out << "Enter gave " << enter << " (" << okClicks << " OK click), Escape gave " << escape << " (" << cancelClicks
        << " Cancel click)\n";
    bool passed = enter == 1 && escape == 2 && okClicks == 1 && cancelClicks == 1;

    const qsizetype at = args.indexOf(QStringLiteral("--designer-plugins"));
    if (at >= 0 && at + 1 < args.size())
        passed = pluginMakesTheButton(args.at(at + 1), out) && passed;

    out << (passed ? "self-test passed\n" : "self-test FAILED\n");
    return passed ? 0 : 1;
}
