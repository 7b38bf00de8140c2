// SPDX-License-Identifier: MIT
// Puts TQevButton into Qt Designer's widget box. The same plugin serves QUiLoader,
// which creates the buttons of a loaded form through it.
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class QevButtonPlugin : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    explicit QevButtonPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

private:
    // Set only by Designer itself; a form loader never initializes its plugins.
    QDesignerFormEditorInterface* m_core = nullptr;
};
