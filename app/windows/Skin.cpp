#include "Skin.h"

#include "Form.h"
#include "Platform.h"

void ApplyRoundedOutline(TCustomForm& form) {
    int width = form.ClientWidth(), height = form.ClientHeight();
    HRGN region = platform::CreateRoundRectRgn(0, 0, width, height, 40, 40);
    platform::SetWindowRgn(form.Handle(), region, TRUE);
}
