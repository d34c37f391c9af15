// Forms: top-level windows built from a description, owned by the application window
// so that they carry no taskbar buttons of their own.
#pragma once

#include <string>
#include <string_view>

#include "WinControl.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
                       poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

// The form designer editing a form (none outside a designer); told of every change.
class TFormDesigner {
public:
    virtual ~TFormDesigner() = default;
    virtual void Modified() = 0;
};

class TCustomForm : public TWinControl {
public:
    // The window class of the form is its class name, so other programs can find it.
    TCustomForm(TComponent* owner, std::string className);
    ~TCustomForm() override;

    const std::string& ClassName() const { return className_; }

    void Show();
    void Hide() { SetVisible(false); }
    // Whether the form has been made visible at any time since it was created.
    bool ShownBefore() const { return shownBefore_; }
    // The main form's close ends the application; any other form only hides, unless
    // OnClose decides otherwise.
    void Close();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetClientWidth(int value);
    void SetClientHeight(int value);

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // A control of this form got the keyboard focus.
    void FocusChanged(TWinControl* control);
    // Moves the focus to the next (or previous) tab stop after the current control.
    void SelectNext(TWinControl* current, bool forward);

    int ModalResult = 0;
    TFormDesigner* Designer() const { return designer_; }
    void SetDesigner(TFormDesigner* designer) { designer_ = designer; }
    TNotifyEvent OnCreate, OnDestroy;
    TCloseEvent OnClose;

    void SetVisible(bool value) override;
    // Fires OnDestroy on the whole form.
    void BeforeDestruction() override;
    void Loaded() override;
    void Notification(TComponent* component) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;
    void WndProc(TMessage& message) override;

protected:
    // Builds the form's components from its description, then runs OnCreate.
    void ReadDescription(std::string_view description);
    void ReadDescriptionResource(const std::string& resourceName);
    void DoCreate();
    void CreateParams(TCreateParams& params) override;

private:
    void HandleActivate(TMessage& message);
    void CentreOnDesktop();
    void ApplyClientSize();
    void FocusFirstControl();

    std::string className_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    TFormStyle formStyle_ = TFormStyle::fsNormal;
    int clientWidth_ = -1, clientHeight_ = -1;
    bool shownBefore_ = false;
    TWinControl* activeControl_ = nullptr;
    std::string pendingActiveControl_;
    TFormDesigner* designer_ = nullptr;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};
