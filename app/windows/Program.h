#pragma once

class TApplication;

// Creates the seven windows in their fixed order; the first becomes the main window.
// With a settings file beside the program, its settings are loaded before this returns.
void CreateProgramForms(TApplication& application);
