#include "Program.h"

#include "Application.h"
#include "FlatButton.h"
#include "FlatCheckBox.h"
#include "FlatEdit.h"
#include "FlatTitlebar.h"
#include "Reader.h"
#include "TrayIcon.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

void CreateProgramForms(TApplication& application) {
    RegisterClass<TFlatButton>("TFlatButton");
    RegisterClass<TFlatCheckBox>("TFlatCheckBox");
    RegisterClass<TFlatEdit>("TFlatEdit");
    RegisterClass<TFlatTitlebar>("TFlatTitlebar");
    RegisterClass<TTrayIcon>("TTrayIcon");
    application.CreateForm(Form1);
    // On a normal start the player sees the main window while the others are made. A
    // first run replaces it at once by the settings window, so it waits as before.
    if (Form1->Timer2->Enabled()) application.ShowMainFormNow();
    application.CreateForm(Form2);
    application.CreateForm(Form3);
    application.CreateForm(Form4);
    application.CreateForm(Form5);
    application.CreateForm(Form6);
    application.CreateForm(Form7);
    // The start-up load runs before the message loop hands out any input: a click on the
    // main window as soon as it shows acts on the file's settings. A file that cannot be
    // read is reported as the loop would report it, and the program goes on.
    if (Form1->Timer2->Enabled()) {
        try {
            Form1->Timer2Timer(Form1->Timer2);
        } catch (...) {
            TApplication::ShowCurrentException();
        }
    }
}
