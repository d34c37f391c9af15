#include "Unit4.h"

#include "Application.h"
#include "HotkeyEngine.h"
#include "OptionSettings.h"
#include "Skin.h"
#include "SlotSettings.h"
#include "StartWithWindows.h"
#include "Unit1.h"
#include "Unit2.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(TComponent* owner) : TForm(owner, "TForm4") {
    Publish("FormCreate", &TForm4::FormCreate);
    Publish("Image20Click", &TForm4::Image20Click);
    Publish("Image20MouseMove", &TForm4::Image20MouseMove);
    Publish("Image1MouseMove", &TForm4::Image1MouseMove);
    Publish("ShowMainmenu1Click", &TForm4::ShowMainmenu1Click);
    Publish("ExitKitbag1Click", &TForm4::ExitKitbag1Click);
    Publish("ExitKitbag2Click", &TForm4::ExitKitbag2Click);
    Publish("OnlyInWarcraftIII1Click", &TForm4::OnlyInWarcraftIII1Click);
    Publish("PauseKeysWhileChatting1Click", &TForm4::PauseKeysWhileChatting1Click);
    Publish("ActivateKeysAtStart1Click", &TForm4::ActivateKeysAtStart1Click);
    Publish("StartWithWindows1Click", &TForm4::StartWithWindows1Click);
    Publish("PopupMenu1Popup", &TForm4::PopupMenu1Popup);
    Publish("TrayIcon1MouseMove", &TForm4::TrayIcon1MouseMove);
    ReadDescriptionResource("TFORM4");
    Image1 = &ComponentAs<TImage>(*this, "Image1");
    Image20 = &ComponentAs<TImage>(*this, "Image20");
    Label3 = &ComponentAs<TLabel>(*this, "Label3");
    PopupMenu1 = &ComponentAs<TPopupMenu>(*this, "PopupMenu1");
    ShowMainmenu1 = &ComponentAs<TMenuItem>(*this, "ShowMainmenu1");
    ExitKitbag1 = &ComponentAs<TMenuItem>(*this, "ExitKitbag1");
    N1 = &ComponentAs<TMenuItem>(*this, "N1");
    OnlyInWarcraftIII1 = &ComponentAs<TMenuItem>(*this, "OnlyInWarcraftIII1");
    PauseKeysWhileChatting1 = &ComponentAs<TMenuItem>(*this, "PauseKeysWhileChatting1");
    N2 = &ComponentAs<TMenuItem>(*this, "N2");
    ActivateKeysAtStart1 = &ComponentAs<TMenuItem>(*this, "ActivateKeysAtStart1");
    StartWithWindows1 = &ComponentAs<TMenuItem>(*this, "StartWithWindows1");
    N3 = &ComponentAs<TMenuItem>(*this, "N3");
    ExitKitbag2 = &ComponentAs<TMenuItem>(*this, "ExitKitbag2");
    TrayIcon1 = &ComponentAs<TTrayIcon>(*this, "TrayIcon1");
    // In TrayIconState's order; "on" is the program's own icon.
    const char* const names[] = {"OFFICON", "MAINICON", "HELDICON", "PROBLEMICON"};
    for (size_t i = 0; i < stateIcons_.size(); ++i) stateIcons_[i].LoadFromResourceName(names[i]);
    DoCreate();
}

void TForm4::FormCreate(TObject*) {
    ApplyRoundedOutline(*this);
    THotkeyEngine& keys = Form1->Hotkeys();
    keys.OnStatusChange = [this](bool activated) { ShowKeyStatus(activated); };
    keys.OnElevatedWindow = [this](HWND window) {
        TrayIcon1->ShowBalloonHint("Kitbag", ElevatedWindowText(IsGameWindow(window)),
                                   NIIF_WARNING);
    };
    ShowKeyStatus(false);
}

void TForm4::BeforeDestruction() {
    THotkeyEngine& keys = Form1->Hotkeys();
    keys.OnStatusChange = nullptr;
    keys.OnElevatedWindow = nullptr;
    TForm::BeforeDestruction();
}

void TForm4::ShowKeyStatus(bool activated) {
    const KeyStatus status = Form1->Hotkeys().Status();
    TrayIcon1->SetHint(StatusTip(status));
    const TrayIconState icon = TrayIconFor(status);
    if (icon != shownIcon_) {
        TrayIcon1->SetIcon(stateIcons_[size_t(icon)]);
        shownIcon_ = icon;
    }
    if (activated) told_ = {};
    const std::string untold = UntoldProblemsText(status, told_);
    if (!untold.empty()) TrayIcon1->ShowBalloonHint("Kitbag", untold, NIIF_WARNING);
}

void TForm4::TellAlreadyRunning() {
    TrayIcon1->ShowBalloonHint("Kitbag",
                               "Kitbag is already running. Right-click its icon here for the "
                               "settings, the main menu or to end it.",
                               NIIF_INFO);
}

void TForm4::Image20Click(TObject*) {
    Application->Minimize();
    TrayIcon1->HideMainWindow();
}

// "Hide window" works as the picture's tooltip.
void TForm4::Image20MouseMove(TObject*, TShiftState, int, int) { Label3->SetVisible(true); }
void TForm4::Image1MouseMove(TObject*, TShiftState, int, int) { Label3->SetVisible(false); }

// "Show Settings": the main window comes back behind the settings window, which is as it
// was last left; a settings window not yet seen in this run shows the saved choice, never
// its description's keys beside the file's Shift flags. Loaded first, so that a file that
// cannot be read changes nothing.
void TForm4::ShowMainmenu1Click(TObject*) {
    if (!Form2->ShownBefore() && SettingsFileExists()) LoadSettingsIntoSettingsWindow();
    TrayIcon1->ShowMainWindow();
    Hide();
    Form2->Show();
    ReleaseHotkeys();
}

// "Show Mainmenu".
void TForm4::ExitKitbag1Click(TObject*) {
    TrayIcon1->ShowMainWindow();
    Hide();
    Form1->Show();
    ReleaseHotkeys();
}

// "Exit Kitbag".
void TForm4::ExitKitbag2Click(TObject*) { Application->Terminate(); }

void TForm4::OnlyInWarcraftIII1Click(TObject*) { ToggleKeyOption(&KeyOptions::onlyInGame); }

void TForm4::PauseKeysWhileChatting1Click(TObject*) {
    ToggleKeyOption(&KeyOptions::pauseWhileChatting);
}

void TForm4::TrayIcon1MouseMove(TObject*, TShiftState, int, int) {
    Form1->Hotkeys().LookAgain();
}

void TForm4::ActivateKeysAtStart1Click(TObject*) { ToggleKeyOption(&KeyOptions::activateAtStart); }

// The registry alone says whether this copy starts with Windows.
void TForm4::StartWithWindows1Click(TObject*) { SetStartWithWindows(!StartsWithWindows()); }

// The check marks show the options the keys run with, however they were last set.
void TForm4::PopupMenu1Popup(TObject*) {
    const KeyOptions& options = Form1->Hotkeys().Options();
    OnlyInWarcraftIII1->Checked = options.onlyInGame;
    PauseKeysWhileChatting1->Checked = options.pauseWhileChatting;
    ActivateKeysAtStart1->Checked = options.activateAtStart;
    StartWithWindows1->Checked = StartsWithWindows();
}
