#pragma once

class TApplication;

// Creates the seven windows in their fixed order; the first becomes the main window.
void CreateProgramForms(TApplication& application);
