// SPDX-License-Identifier: MIT
#include "qevbuttonplugin.h"

#include "qevbutton.h"

#include <QIcon>
#include <QImage>

QevButtonPlugin::QevButtonPlugin(QObject* parent) : QObject(parent) {}

QString QevButtonPlugin::name() const
{
    return QStringLiteral("TQevButton");
}
QString QevButtonPlugin::group() const
{
    return QStringLiteral("Kolvane");
}
QString QevButtonPlugin::toolTip() const
{
    return QStringLiteral("Owner-drawn push button");
}
QString QevButtonPlugin::whatsThis() const
{
    return QStringLiteral("A push button that draws itself: frame styles, hot tracking, stock kinds, "
                          "glyphs, a popup menu and auto-repeat.");
}
QString QevButtonPlugin::includeFile() const
{
    return QStringLiteral("qevbutton.h");
}

QIcon QevButtonPlugin::icon() const
{
    // The OK glyph, with its background colour (the bottom-left pixel) made transparent
    // as the button itself does on its face.
    TQevButton sample;
    sample.setButtonKind(TQevButton::skOK);
    QImage glyph = sample.GlyphHot().toImage().convertToFormat(QImage::Format_ARGB32);
    if (glyph.isNull())
        return {};
    const QRgb background = glyph.pixel(0, glyph.height() - 1);
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x)
            if (glyph.pixel(x, y) == background)
                glyph.setPixel(x, y, qRgba(0, 0, 0, 0));
    return QIcon(QPixmap::fromImage(glyph));
}

bool QevButtonPlugin::isContainer() const
{
    return false;
}

QWidget* QevButtonPlugin::createWidget(QWidget* parent)
{
    auto* button = new TQevButton(parent);
    // QUiLoader would overwrite an object name, so the designer state is a property.
    // A form loader gets a button that is not in the loading state: a kind written by
    // the loader then sets its caption, as the uic-generated code does, and a caption
    // stored in the file still has the last word because it is applied after the kind.
    if (m_core)
        button->setProperty(TQevButton::FormDesignerMark, true);
    return button;
}

bool QevButtonPlugin::isInitialized() const
{
    return m_core != nullptr;
}

void QevButtonPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (!m_core)
        m_core = core;
}

QString QevButtonPlugin::domXml() const
{
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"TQevButton\" name=\"qevButton\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>75</width><height>25</height></rect>\n"
                          "  </property>\n"
                          "  <property name=\"Caption\"><string>QevButton</string></property>\n"
                          " </widget>\n"
                          "</ui>\n");
}
