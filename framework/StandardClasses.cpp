#include "StandardClasses.h"

#include "Button.h"
#include "CheckBox.h"
#include "Edit.h"
#include "Image.h"
#include "Label.h"
#include "Memo.h"
#include "Menus.h"
#include "Panel.h"
#include "Reader.h"
#include "Timer.h"

void RegisterStandardClasses() {
    RegisterComponentClass<TButton>("TButton");
    RegisterComponentClass<TCheckBox>("TCheckBox");
    RegisterComponentClass<TEdit>("TEdit");
    RegisterComponentClass<TImage>("TImage");
    RegisterComponentClass<TLabel>("TLabel");
    RegisterComponentClass<TMemo>("TMemo");
    RegisterComponentClass<TMenuItem>("TMenuItem");
    RegisterComponentClass<TPanel>("TPanel");
    RegisterComponentClass<TPopupMenu>("TPopupMenu");
    RegisterComponentClass<TTimer>("TTimer");
}
