#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>

namespace orvo::test {

// The descendant of parent with this object name; a missing one fails the test where it is
// looked up, not with a crash further on.
template <typename T> T* childOf(const QObject& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

} // namespace orvo::test
