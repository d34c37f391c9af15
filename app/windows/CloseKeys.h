// Enter and Esc answer a window whose only control is its OK button.
#pragma once

#include "Control.h"
#include "Messages.h"

// Whether the message is a typed Enter or Esc: offered as a dialog character while a
// control has the focus, or sent to the window itself when none has.
inline bool IsCloseKey(const TMessage& message) {
    return (message.Msg == CM_DIALOGCHAR || message.Msg == WM_CHAR) &&
           (message.WParam == VK_RETURN || message.WParam == VK_ESCAPE);
}

// Clicks the OK button for Enter or Esc; true when the message is taken. The button is
// null only while the window is still being read from its description.
inline bool CloseByKey(TMessage& message, TControl* okButton) {
    if (!okButton || !IsCloseKey(message)) return false;
    okButton->Click();
    message.Result = 1;
    return true;
}
