// The message record handed to message handlers, and the framework's own notifications.
#pragma once

#include <windows.h>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Framework notifications, sent with Perform to a control (never posted to a window).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = 0xB000;
constexpr UINT CM_DEACTIVATE = 0xB001;
constexpr UINT CM_DIALOGKEY = 0xB005;
constexpr UINT CM_DIALOGCHAR = 0xB006;
constexpr UINT CM_FOCUSCHANGED = 0xB007;
constexpr UINT CM_PARENTFONTCHANGED = 0xB008;
constexpr UINT CM_PARENTCOLORCHANGED = 0xB009;
constexpr UINT CM_VISIBLECHANGED = 0xB00B;
constexpr UINT CM_ENABLEDCHANGED = 0xB00C;
constexpr UINT CM_COLORCHANGED = 0xB00D;
constexpr UINT CM_FONTCHANGED = 0xB00E;
constexpr UINT CM_CURSORCHANGED = 0xB00F;
constexpr UINT CM_TEXTCHANGED = 0xB012;
constexpr UINT CM_MOUSEENTER = 0xB013;
constexpr UINT CM_MOUSELEAVE = 0xB014;
constexpr UINT CM_BUTTONPRESSED = 0xB018;
constexpr UINT CM_ENTER = 0xB01A;
constexpr UINT CM_EXIT = 0xB01B;
constexpr UINT CM_DESIGNHITTEST = 0xB01C;
constexpr UINT CM_SYSCOLORCHANGE = 0xB024;

// Notifications a parent reflects back to the child window they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;

// The framework's own messages never reach a system window procedure.
constexpr bool IsFrameworkMessage(UINT msg) { return msg >= CM_BASE && msg < 0xC000; }
