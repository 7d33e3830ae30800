#pragma once

#include <functional>

namespace orvo {

// Runs an event handler's work so that no exception reaches Qt's event loop:
// a failure is shown in a plain message box with its number and description.
void guardedCall(const std::function<void()>& work);

} // namespace orvo
