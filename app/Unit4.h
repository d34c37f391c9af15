// The tray window: tells the player the hotkeys work; its picture hides everything to
// the notification area.
#pragma once

#include "Form.h"
#include "Image.h"
#include "Label.h"
#include "Menus.h"

class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);

    TImage* Image1;
    TImage* Image20;
    TLabel* Label3;
    TPopupMenu* PopupMenu1;
    TMenuItem* ShowMainmenu1;
    TMenuItem* ExitKitbag1;
    TMenuItem* N1;
    TMenuItem* ExitKitbag2;

    void FormCreate(TObject* Sender);
};

extern TForm4* Form4;
