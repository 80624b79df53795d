#include "Application.h"
#include "Screens.h"
#include "Unit1.h"

extern const char *const kCompileDate;
extern const char *const kCompileTime;

int main(int argc, char **argv)
{
    Application app(argc, argv);
    auto *form1 = new TForm1(app.arguments().mid(1), QString::fromLatin1(kCompileDate),
                             QString::fromLatin1(kCompileTime));
    if (!form1->Connected)
        return 1;
    CreateScreens();
    const int code = app.exec();
    delete form1;
    return code;
}
