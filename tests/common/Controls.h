#pragma once
// Widget tests: answering a modal dialog and finding a named control.

#include "tests/common/ModalAnswer.h"

#include <QWidget>

namespace lumena::test {

template <typename T> T* child(const QWidget* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        qFatal("no control %s", qPrintable(name));
    return w;
}

} // namespace lumena::test
