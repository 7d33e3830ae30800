#pragma once

#include <orvo/model/CalibrationError.h>

#include <functional>
#include <string>
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

// "error 9 at line 2" for what action throws, "" when it throws nothing.
inline std::string errorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const CalibrationError& e) {
        return "error " + std::to_string(static_cast<int>(e.number())) + " at line " +
               std::to_string(e.fileLine());
    }
    return {};
}

} // namespace orvo::test
