#include "Screens.h"

#include "Unit1.h"

void CreateScreens()
{
}
