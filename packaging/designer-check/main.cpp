// SPDX-License-Identifier: MIT
// Loads a form holding the button through QUiLoader, as Qt Designer would show it, and
// exits 0 only if the installed Designer plugin supplied a real button.
#include <QApplication>
#include <QBuffer>
#include <QUiLoader>
#include <QWidget>

#include <iostream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QUiLoader loader;
    if (!loader.availableWidgets().contains(QStringLiteral("TQevButton"))) {
        std::cerr << "no Designer plugin offers TQevButton; plugin folders searched:\n";
        for (const QString& path : loader.pluginPaths())
            std::cerr << "  " << path.toStdString() << '\n';
        return 1;
    }
    QByteArray form(R"(<ui version="4.0"><class>Form</class>
        <widget class="QWidget" name="Form">
          <widget class="TQevButton" name="button"/>
        </widget></ui>)");
    QBuffer buffer(&form);
    buffer.open(QIODevice::ReadOnly);
    QWidget* root = loader.load(&buffer);
    QWidget* button = root ? root->findChild<QWidget*>(QStringLiteral("button")) : nullptr;
    // Without the plugin the loader falls back to a plain QWidget of that name.
    if (!button || !button->inherits("TQevButton")) {
        std::cerr << "the form's button is not a TQevButton: " << loader.errorString().toStdString() << '\n';
        return 1;
    }
    std::cout << "Designer plugin found: " << button->metaObject()->className() << '\n';
    delete root;
    return 0;
}
