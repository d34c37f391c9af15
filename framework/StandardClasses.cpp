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
    RegisterClass<TButton>("TButton");
    RegisterClass<TCheckBox>("TCheckBox");
    RegisterClass<TEdit>("TEdit");
    RegisterClass<TImage>("TImage");
    RegisterClass<TLabel>("TLabel");
    RegisterClass<TMemo>("TMemo");
    RegisterClass<TMenuItem>("TMenuItem");
    RegisterClass<TPanel>("TPanel");
    RegisterClass<TPopupMenu>("TPopupMenu");
    RegisterClass<TTimer>("TTimer");
}
