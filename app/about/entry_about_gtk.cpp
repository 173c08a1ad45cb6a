#include "app/about/gtk_about_window.h"

#include <cstdio>

// The X11 About window as a program of its own: the saver's "/c" starts it in its own place and
// hands over the window's five texts as arguments.
int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s CAPTION CLASS LINK-CAPTION ABOUT-TEXT PRODUCT-NAME\n",
                     argv[0]);
        return 2;
    }
    about::runGtkAboutWindow({argv[1], argv[2], argv[3], argv[4], argv[5]});
    return 0;
}
