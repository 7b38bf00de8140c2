// SPDX-License-Identifier: MIT
// The Qt Designer plugin and forms: Designer lists TQevButton, instances it creates are
// marked as being in Designer, and QUiLoader reads .ui files with the button,
// applying ButtonKind before Caption.
#include "qevbutton.h"

#include <QBuffer>
#include <QPluginLoader>
#include <QTest>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace {

QByteArray Form(const QByteArray& buttonProperties)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<ui version=\"4.0\">\n"
           " <class>Form</class>\n"
           " <widget class=\"QWidget\" name=\"Form\">\n"
           "  <property "
           "name=\"geometry\"><rect><x>0</x><y>0</y><width>200</width><height>100</height></rect></property>\n"
           "  <widget class=\"TQevButton\" name=\"QevButton1\">\n"
           "   <property "
           "name=\"geometry\"><rect><x>10</x><y>20</y><width>75</width><height>25</height></rect></property>\n" +
           buttonProperties +
           "  </widget>\n"
           " </widget>\n"
           " <customwidgets>\n"
           "  "
           "<customwidget><class>TQevButton</class><extends>QWidget</extends><header>qevbutton.h</header></"
           "customwidget>\n"
           " </customwidgets>\n"
           "</ui>\n";
}

QDesignerCustomWidgetInterface* LoadPlugin(QPluginLoader& loader)
{
    loader.setFileName(QStringLiteral(QEV_PLUGIN_DIR "/libqevbuttonplugin.so"));
    if (!loader.load())
        qWarning() << loader.errorString();
    return qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
}

// The form with the given button properties, through the form loader and the plugin.
std::unique_ptr<QWidget> LoadButtonForm(const QByteArray& properties)
{
    QByteArray ui = Form(properties);
    QBuffer file(&ui);
    QUiLoader loader;
    loader.addPluginPath(QStringLiteral(QEV_PLUGIN_DIR));
    std::unique_ptr<QWidget> w(loader.load(&file));
    if (!w)
        qWarning("the form did not load: %s", qPrintable(loader.errorString()));
    return w;
}

} // namespace

// A form's button with a kind, a style, a margin colour and a stored caption.
const char* const StyleAndColours =
    "   <property name=\"ButtonKind\"><enum>skCancel</enum></property>\n"
    "   <property "
    "name=\"ColorMarginRightBottom\"><color><red>255</red><green>0</green><blue>0</blue></color></property>\n"
    "   <property name=\"ButtonStyle\"><enum>TQevCustomButton::stRaised</enum></property>\n"
    "   <property name=\"Caption\"><string>Stop</string></property>\n";

class TestDesigner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pluginOffersTheButton()
    {
        QPluginLoader loader;
        QDesignerCustomWidgetInterface* plugin = LoadPlugin(loader);
        QVERIFY(plugin);
        QCOMPARE(plugin->name(), QStringLiteral("TQevButton"));
        QCOMPARE(plugin->includeFile(), QStringLiteral("qevbutton.h"));
        QVERIFY(!plugin->isContainer());
        QVERIFY(plugin->domXml().contains(QLatin1String("class=\"TQevButton\"")));
        QVERIFY(!plugin->icon().isNull());

        QWidget parent;
        // Created for a form loader (the plugin was never initialized by Designer).
        std::unique_ptr<QWidget> loaded(plugin->createWidget(&parent));
        auto* button = qobject_cast<TQevButton*>(loaded.get());
        QVERIFY(button);
        QVERIFY(!button->inFormDesigner());
        // Not loading: a kind the loader writes sets its caption, as uic's code does.
        QVERIFY(!button->isLoading());
    }

    void loaderListsTheButton()
    {
        QUiLoader loader;
        loader.addPluginPath(QStringLiteral(QEV_PLUGIN_DIR));
        QVERIFY(loader.availableWidgets().contains(QStringLiteral("TQevButton")));
    }

    void loadForm_data()
    {
        QTest::addColumn<QByteArray>("properties");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("isDefault");
        const QByteArray yes = "   <property name=\"ButtonKind\"><enum>TQevCustomButton::skYes</enum></property>\n";
        QTest::newRow("kind, caption not stored") << yes << QStringLiteral("&Yes") << true;
        QTest::newRow("kind, empty caption stored") << yes + "   <property name=\"Caption\"><string/></property>\n"
                                                    << QString() << true;
        QTest::newRow("kind, caption stored")
            << yes + "   <property name=\"Caption\"><string>&amp;Sure</string></property>\n"
            << QStringLiteral("&Sure") << true;
        QTest::newRow("style and colours") << QByteArray(StyleAndColours) << QStringLiteral("Stop") << false;
    }

    void loadForm()
    {
        QFETCH(QByteArray, properties);
        const std::unique_ptr<QWidget> w = LoadButtonForm(properties);
        auto* button = w ? w->findChild<TQevButton*>(QStringLiteral("QevButton1")) : nullptr;
        QVERIFY(button);
        QTEST(button->Caption(), "caption");
        QTEST(button->Default(), "isDefault");
        QVERIFY(!button->Glyph().isNull());
        QCOMPARE(button->geometry(), QRect(10, 20, 75, 25));
        QVERIFY(!button->inFormDesigner());
        // Once loaded, writing a kind sets the caption again.
        QTRY_VERIFY(!button->isLoading());
        button->setButtonKind(TQevButton::skNo);
        QCOMPARE(button->Caption(), QStringLiteral("&No"));
    }
    // The properties after the kind survive loading: style, the margin colour (which
    // makes the margin style custom) and the Cancel role that skCancel brings.
    void loadFormStyleAndColours()
    {
        const std::unique_ptr<QWidget> w = LoadButtonForm(StyleAndColours);
        auto* button = w ? w->findChild<TQevButton*>(QStringLiteral("QevButton1")) : nullptr;
        QVERIFY(button);
        QCOMPARE(button->ButtonKind(), TQevButton::skCancel);
        QVERIFY(button->Cancel());
        QCOMPARE(button->ButtonStyle(), TQevButton::stRaised);
        QCOMPARE(button->ColorMarginRightBottom(), QColor(Qt::red));
        QCOMPARE(button->ColorMarginStyle(), TQevButton::cmCustom);
    }

    // Last: the plugin instance is shared by the whole process, and once Designer has
    // initialized it every instance it creates is a designer one.
    void designerMarksItsInstances()
    {
        QPluginLoader loader;
        QDesignerCustomWidgetInterface* plugin = LoadPlugin(loader);
        QVERIFY(plugin);
        QWidget parent;
        // Designer initializes its plugins with its form editor; its instances carry the mark.
        int notACore = 0;
        plugin->initialize(reinterpret_cast<QDesignerFormEditorInterface*>(&notACore));
        QVERIFY(plugin->isInitialized());
        std::unique_ptr<QWidget> designed(plugin->createWidget(&parent));
        auto* button = qobject_cast<TQevButton*>(designed.get());
        QVERIFY(button);
        QVERIFY(button->inFormDesigner());
        QVERIFY(!button->isLoading());
    }
};

QTEST_MAIN(TestDesigner)
#include "tst_qevbutton_designer.moc"
