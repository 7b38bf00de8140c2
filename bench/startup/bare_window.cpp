// SPDX-License-Identifier: MIT
// The yardstick for start-up time and memory: the smallest Qt Widgets program with a
// main window, one QMainWindow holding one QLabel.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window"), &window));
    window.show();
    return app.exec();
}
