// Single-line edits over the system's edit window, and the memo built on the same base.
#pragma once

#include "WinControl.h"

enum class TEditBorderStyle { bsNone, bsSingle };
enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* owner);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    void SelectAll();
    TEditBorderStyle BorderStyle() const {
        return borderSingle_ ? TEditBorderStyle::bsSingle : TEditBorderStyle::bsNone;
    }
    void SetBorderStyle(TEditBorderStyle value);
    // Shown instead of every character when not 0.
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char value);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    // Whether the selection disappears while the edit has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    // Typed characters go through the OEM code page and back.
    bool OEMConvert() const { return oemConvert_; }
    void SetOEMConvert(bool value);

    TNotifyEvent OnChange;

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    bool HandleReflected(TMessage& message) override;
    void DoEnter() override;
    virtual void Change();

private:
    // For the styles the system edit reads only when it is created.
    void RecreateWindow();

    int maxLength_ = 0;
    bool autoSelect_ = true;
    bool readOnly_ = false;
    bool borderSingle_ = true;
    char passwordChar_ = 0;
    TEditCharCase charCase_ = TEditCharCase::ecNormal;
    bool hideSelection_ = true;
    bool oemConvert_ = false;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
