// The tray window: tells the player the hotkeys work; its picture hides everything to
// the notification area, and its menu leads back and switches the key options.
#pragma once

#include <array>
#include <optional>

#include "Form.h"
#include "Icon.h"
#include "Image.h"
#include "KeyStatus.h"
#include "Label.h"
#include "Menus.h"
#include "TrayIcon.h"

class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);

    TImage* Image1;  // the background picture
    TImage* Image20;  // "Hide window" button
    TLabel* Label3;  // the "Hide window" caption
    TPopupMenu* PopupMenu1;  // the tray icon's right-button menu
    TMenuItem* ShowMainmenu1;  // "Show Settings"
    TMenuItem* ExitKitbag1;  // "Show Mainmenu"
    TMenuItem* N1;  // separator
    TMenuItem* OnlyInWarcraftIII1;  // "Only in Warcraft III"
    TMenuItem* PauseKeysWhileChatting1;  // "Pause keys while chatting"
    TMenuItem* N2;  // separator
    TMenuItem* ActivateKeysAtStart1;  // "Activate keys at start"
    TMenuItem* StartWithWindows1;  // "Start with Windows"
    TMenuItem* N3;  // separator
    TMenuItem* ExitKitbag2;  // "Exit Kitbag"
    TTrayIcon* TrayIcon1;  // the icon in the notification area

    void FormCreate(TObject* Sender);
    // The tray stops listening to the keys before it goes.
    void BeforeDestruction() override;
    // The tip and the icon tell what the keys are doing; a slot left without a working
    // key, at activation or later, is told in a balloon once per cause in each activation.
    void ShowKeyStatus(bool activated);
    // The player started this copy again: the balloon says where this one is.
    void TellAlreadyRunning();
    void Image20Click(TObject* Sender);
    void Image20MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Image1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void ShowMainmenu1Click(TObject* Sender);
    void ExitKitbag1Click(TObject* Sender);
    void ExitKitbag2Click(TObject* Sender);
    void OnlyInWarcraftIII1Click(TObject* Sender);
    void PauseKeysWhileChatting1Click(TObject* Sender);
    void ActivateKeysAtStart1Click(TObject* Sender);
    void StartWithWindows1Click(TObject* Sender);
    void PopupMenu1Popup(TObject* Sender);
    // The pointer rests on the tray icon: the tip the shell is about to show must be true.
    void TrayIcon1MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);

private:
    ToldProblems told_;
    // The icon's picture for each TrayIconState, loaded once; the tray shows a copy.
    std::array<TIcon, 4> stateIcons_;
    std::optional<TrayIconState> shownIcon_;
};

extern TForm4* Form4;
