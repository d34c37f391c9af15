// The events only the tray icon raises.
#pragma once

#include <functional>

#include "Types.h"

// The icon animation is about to show the image at this index of the icon list.
using TCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;
// Asked once at start: whether the main form is shown.
using TStartupEvent = std::function<void(TObject* Sender, bool& ShowMainForm)>;
