#pragma once

#include <QString>
#include <QWidget>

namespace orvo {

// A child control under its documented name, so that hosts and tests find it
// by objectName.
template <typename Widget> Widget* namedChild(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The same for a control with a caption (labels, buttons, check boxes).
template <typename Widget>
Widget* namedChild(QWidget* parent, const char* name, const char* caption) {
    Widget* widget = namedChild<Widget>(parent, name);
    widget->setText(QString::fromLatin1(caption));
    return widget;
}

} // namespace orvo
