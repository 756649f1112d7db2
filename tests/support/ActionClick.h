#pragma once

#include <functional>

class QAction;

// Runs an action as a click on its button does: the enable rules run first, and a disabled action does
// nothing. True when it ran.
bool clickWhenEnabled(QAction *action, const std::function<void()> &updateActions);
