#include "Program.h"

#include "Application.h"
#include "FlatButton.h"
#include "FlatCheckBox.h"
#include "FlatEdit.h"
#include "FileIO.h"
#include "FlatTitlebar.h"
#include "HotkeyEngine.h"
#include "SettingsFile.h"
#include "SlotSettings.h"
#include "StandardClasses.h"
#include "StringList.h"
#include "Reader.h"
#include "TrayIcon.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

namespace {

// Whether the settings file asks for the keys to go on with no window: read before any
// window shows. A file that cannot be read starts as usual, and its load says why.
bool StartsInTheTray() {
    try {
        TStringList lines;
        lines.SetText(ReadWholeFile(SettingsFilePath()));
        return SettingsFile::DecodeOptions(lines.Lines()).activateAtStart;
    } catch (...) {
        return false;
    }
}

}  // namespace

void CreateProgramForms(TApplication& application) {
    RegisterStandardClasses();
    RegisterComponentClass<TFlatButton>("TFlatButton");
    RegisterComponentClass<TFlatCheckBox>("TFlatCheckBox");
    RegisterComponentClass<TFlatEdit>("TFlatEdit");
    RegisterComponentClass<TFlatTitlebar>("TFlatTitlebar");
    RegisterComponentClass<TTrayIcon>("TTrayIcon");
    application.CreateForm(Form1);
    const bool normalStart = Form1->Timer2->Enabled();
    const bool inTheTray = normalStart && StartsInTheTray();
    // On a normal start the player sees the main window while the others are made; a
    // first run shows the settings window in its place, and a start in the tray shows none.
    if (inTheTray) application.ShowMainForm = false;
    if (normalStart && !inTheTray) application.ShowMainFormNow();
    application.CreateForm(Form2);
    if (!normalStart) {
        // What the main window's timer would do 10 ms into the loop, done before it shows.
        Form1->Timer1->SetEnabled(false);
        application.ShowFirstFormNow(*Form2);
    }
    application.CreateForm(Form3);
    application.CreateForm(Form4);
    application.CreateForm(Form5);
    application.CreateForm(Form6);
    application.CreateForm(Form7);
    // The start-up load runs before the message loop hands out any input: a click on the
    // main window as soon as it shows acts on the file's settings. A file that cannot be
    // read is reported as the loop would report it, and the program goes on.
    if (!normalStart) return;
    try {
        Form1->Timer2Timer(Form1->Timer2);
    } catch (...) {
        TApplication::ShowCurrentException();
    }
    // The keys go on as "Activate Keys" puts them on, with no window: the tray icon is
    // the player's way back. Without the file's keys the main window shows as usual.
    if (inTheTray && SettingsLineBufferHoldsSettings())
        ActivateHotkeys();
    else
        application.ShowMainForm = true;
}
