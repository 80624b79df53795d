#include "Screens.h"

#include "Unit1.h"
#include "Unit10.h"
#include "Unit11.h"
#include "Unit132.h"
#include "Unit22.h"
#include "Unit2.h"
#include "Unit26.h"
#include "Unit29.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"

void CreateScreens()
{
    new TForm2(Form1);
    new TForm3(Form1);
    new TForm4(Form1);
    new TForm5(Form1);
    new TForm7(Form1);
    new TForm8(Form1);
    new TForm9(Form1);
    new TForm10(Form1);
    new TForm11(Form1);
    new TForm22(Form1);
    new TForm26(Form1);
    new TForm29(Form1);
    new TForm132(Form1);
    Form1->EnableBuiltScreens();
}
