#include "Unit4.h"

#include "Skin.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(TComponent* owner) : TForm(owner, "TForm4") {
    PublishMethod("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    ReadDescriptionResource("TFORM4");
    Image1 = &ComponentAs<TImage>(*this, "Image1");
    Image20 = &ComponentAs<TImage>(*this, "Image20");
    Label3 = &ComponentAs<TLabel>(*this, "Label3");
    PopupMenu1 = &ComponentAs<TPopupMenu>(*this, "PopupMenu1");
    ShowMainmenu1 = &ComponentAs<TMenuItem>(*this, "ShowMainmenu1");
    ExitKitbag1 = &ComponentAs<TMenuItem>(*this, "ExitKitbag1");
    N1 = &ComponentAs<TMenuItem>(*this, "N1");
    ExitKitbag2 = &ComponentAs<TMenuItem>(*this, "ExitKitbag2");
    DoCreate();
}

void TForm4::FormCreate(TObject*) { ApplyRoundedOutline(*this); }
