// A check box over the system's button window.
#pragma once

#include "WinControl.h"

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);

    bool Checked() const;
    void SetChecked(bool value);

    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    bool HandleReflected(TMessage& message) override;

private:
    bool checked_ = false;
};
