// Single-line edits over the system's edit window, and the memo built on the same base.
#pragma once

#include "WinControl.h"

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

    TNotifyEvent OnChange;

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    bool HandleReflected(TMessage& message) override;
    void DoEnter() override;
    virtual void Change();

private:
    int maxLength_ = 0;
    bool autoSelect_ = true;
    bool readOnly_ = false;
    bool borderSingle_ = true;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
