#pragma once

#include <QString>
#include <functional>

namespace TestSupport {

// Runs the action and answers the first message box it shows with its
// default button; returns that box's text (empty when none appeared).
QString MessageShownBy(const std::function<void()>& action);

}  // namespace TestSupport
