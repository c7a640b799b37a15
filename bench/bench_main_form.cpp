// The program's own start-up, ended at the window's first paint.
#include <QApplication>

#include "bench/first_paint.h"
#include "window/application.h"
#include "window/main_form.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const auto form = window::StartProgram(application);
    QuitOnFirstPaint(*form);
    return QApplication::exec();
}
