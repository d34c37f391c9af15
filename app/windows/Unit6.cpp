#include "Unit6.h"

TForm6* Form6 = nullptr;
