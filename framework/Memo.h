// A multi-line edit that shows a string list the program owns. The list is the truth:
// a small list goes to the window at once, a large one when the window is painted, and
// typing is copied back into the list. A text too large or with NUL bytes is shown cut
// short and read-only, so the edit control never holds up the program and the list is
// never cut.
#pragma once

#include "Edit.h"
#include "StringList.h"

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* owner);

    TStringList& Lines() { return lines_; }
    // The largest text the window is given whole.
    static constexpr size_t kDisplayLimit = 256 * 1024;

    void WndProc(TMessage& message) override;
    bool SetProperty(const std::string& name, const TPropValue& value, TReader& reader) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void HandleCreated() override;
    void Change() override;

private:
    void LinesChanged();
    void ShowLines();

    TStringList lines_;
    bool windowStale_ = true;
    bool fillingWindow_ = false;
    bool readingWindow_ = false;
    bool shownCut_ = false;
};
