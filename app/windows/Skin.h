// What the skinned windows share.
#pragma once

class TCustomForm;

// Clips the window to a rectangle with 40-pixel rounded corners; the system owns the
// region from then on.
void ApplyRoundedOutline(TCustomForm& form);
