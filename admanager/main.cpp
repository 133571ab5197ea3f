// tavinad: registers a player's advertisement in the game's settings and images folder.
#include "admanager/AdServices.h"
#include "admanager/frmPartner.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    DesktopMessageBoxes boxes;
    DesktopFileChooser files;
    DesktopWebOpener web;
    frmPartner form(AdServices{&boxes, &files, &web});
    if (!form.Form_Load()) return 1;
    form.show();
    return app.exec();
}
