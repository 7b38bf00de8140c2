// SPDX-License-Identifier: MIT
// The button on forms built the ways Qt programs build them: compiled by uic, loaded by
// QUiLoader, or put together in a parentless widget that a layout adopts later. Keys
// and names must not depend on when a button's window came to be.
#include "qevbutton.h"
#include "ui_pageform.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUiLoader>

#include <memory>

using B = TQevCustomButton;

namespace {

enum class Build { Uic, Loader, LaterRow };

std::unique_ptr<QDialog> BuildForm(Build how)
{
    switch (how) {
    case Build::Uic: {
        auto dialog = std::make_unique<QDialog>();
        Ui::PageForm ui;
        ui.setupUi(dialog.get());
        return dialog;
    }
    case Build::Loader: {
        QFile file(QStringLiteral(QEV_PAGE_FORM));
        if (!file.open(QIODevice::ReadOnly))
            return nullptr;
        QUiLoader loader;
        loader.addPluginPath(QStringLiteral(QEV_PLUGIN_DIR));
        return std::unique_ptr<QDialog>(qobject_cast<QDialog*>(loader.load(&file)));
    }
    case Build::LaterRow: {
        auto dialog = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(dialog.get());
        auto* edit = new QLineEdit(dialog.get());
        edit->setObjectName(QStringLiteral("edit"));
        layout->addWidget(edit);
        auto* check = new QCheckBox(QStringLiteral("Check"), dialog.get());
        check->setObjectName(QStringLiteral("check"));
        layout->addWidget(check);
        // The row and its buttons exist before they belong to any window.
        auto* row = new QWidget;
        auto* rowLayout = new QHBoxLayout(row);
        const std::pair<const char*, B::TKind> kinds[] = {
            {"ok", B::skOK}, {"cancel", B::skCancel}, {"help", B::skHelp}};
        for (const auto& [name, kind] : kinds) {
            auto* b = new TQevButton(row);
            b->setObjectName(QString::fromLatin1(name));
            b->setButtonKind(kind);
            rowLayout->addWidget(b);
        }
        layout->addWidget(row);
        return dialog;
    }
    }
    return nullptr;
}

} // namespace

class TestForms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keysReachButtonsOnLaterPages_data()
    {
        QTest::addColumn<Build>("how");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<int>("result");
        const std::pair<const char*, Build> builds[] = {
            {"uic", Build::Uic}, {"QUiLoader", Build::Loader}, {"row added later", Build::LaterRow}};
        for (const auto& [name, how] : builds) {
            const QByteArray n(name);
            QTest::newRow(n + ", Enter") << how << int(Qt::Key_Return) << Qt::KeyboardModifiers() << "edit"
                                         << "ok" << 1;
            QTest::newRow(n + ", Escape") << how << int(Qt::Key_Escape) << Qt::KeyboardModifiers() << "edit"
                                          << "cancel" << 2;
            QTest::newRow(n + ", h") << how << int(Qt::Key_H) << Qt::KeyboardModifiers() << "check"
                                     << "help" << 0;
            QTest::newRow(n + ", Alt+H") << how << int(Qt::Key_H) << Qt::KeyboardModifiers(Qt::AltModifier) << "check"
                                         << "help" << 0;
        }
    }

    void keysReachButtonsOnLaterPages()
    {
        QFETCH(Build, how);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, from);
        QFETCH(QString, clicked);
        std::unique_ptr<QDialog> dialog = BuildForm(how);
        QVERIFY(dialog);
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edit"));
        auto* focused = dialog->findChild<QWidget*>(from);
        auto* target = dialog->findChild<TQevButton*>(clicked);
        QVERIFY(edit && focused && target);
        QSignalSpy clicks(target, &B::OnClick);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        focused->setFocus();
        QTRY_VERIFY(focused->hasFocus());

        QTest::keyClick(focused, Qt::Key(key), modifiers);
        QCOMPARE(clicks.count(), 1);
        QTEST(dialog->result(), "result");
        QCOMPARE(edit->text(), QString());
    }

    void kindWithoutStoredCaptionThroughTheLoader()
    {
        // The form stores the kinds only, as Designer saves a kind whose caption was
        // never edited; every way of building it shows the kind's caption.
        for (Build how : {Build::Uic, Build::Loader}) {
            std::unique_ptr<QDialog> dialog = BuildForm(how);
            QVERIFY(dialog);
            QCOMPARE(dialog->findChild<TQevButton*>(QStringLiteral("ok"))->Caption(), QStringLiteral("OK"));
            QCOMPARE(dialog->findChild<TQevButton*>(QStringLiteral("help"))->Caption(), QStringLiteral("&Help"));
        }
    }

    void accessibleNameInsideAGroupBox()
    {
        QWidget window;
        auto* box = new QGroupBox(QStringLiteral("Tools"), &window);
        auto* layout = new QHBoxLayout(box);
        auto* button = new TQevButton(box);
        button->setCaption(QStringLiteral("&Print && save"));
        auto* plain = new QPushButton(QStringLiteral("&Save"), box);
        layout->addWidget(button);
        layout->addWidget(plain);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QAccessible::queryAccessibleInterface(plain)->text(QAccessible::Name), QStringLiteral("Save"));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                 QStringLiteral("Print & save"));
        button->setAccessibleName(QStringLiteral("Printer"));
        QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), QStringLiteral("Printer"));
    }
};

QTEST_MAIN(TestForms)
#include "tst_qevbutton_forms.moc"
