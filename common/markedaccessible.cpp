// SPDX-License-Identifier: MIT
#include "markedaccessible.h"

#include <QAccessible>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace kolvane {
namespace {

const char* const MakerProperty = "kolvaneAccessibleMaker";

// The makers in use, a handful; a marked widget holds the index of its own.
std::vector<AccessibleMaker>& Makers()
{
    static std::vector<AccessibleMaker> makers;
    return makers;
}

QAccessibleInterface* MarkedWidgetFactory(const QString& /*className*/, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    bool marked = false;
    const auto index = object->property(MakerProperty).toULongLong(&marked);
    if (!marked || index >= Makers().size())
        return nullptr;
    return Makers()[index](object);
}

} // namespace

void UseAccessible(QWidget* widget, AccessibleMaker make)
{
    static const bool installed = [] {
        QAccessible::installFactory(MarkedWidgetFactory);
        return true;
    }();
    Q_UNUSED(installed);
    std::vector<AccessibleMaker>& makers = Makers();
    auto found = std::find(makers.begin(), makers.end(), make);
    if (found == makers.end())
        found = makers.insert(makers.end(), make);
    widget->setProperty(MakerProperty, QVariant::fromValue(qulonglong(found - makers.begin())));
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void RunAfterCall(QWidget* widget, std::function<void()> action)
{
    // A queued call with the widget as its context is discarded with the widget.
    QMetaObject::invokeMethod(widget, std::move(action), Qt::QueuedConnection);
}

} // namespace kolvane
