#pragma once

#include <orvo/model/CalibrationError.h>

#include <functional>
#include <utility>

namespace orvo::test {

// The number and description of the error that action throws.
inline std::pair<ErrorNumber, QString> caught(const std::function<void()>& action) {
    try {
        action();
    } catch (const CalibrationError& e) {
        return {e.number(), e.description()};
    }
    return {ErrorNumber{}, QStringLiteral("no error")};
}

inline ErrorNumber errorOf(const std::function<void()>& action) {
    return caught(action).first;
}

} // namespace orvo::test
