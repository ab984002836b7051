// Draws the pictures of both games at build time.
//   make_pictures velmora <design folder>
//   make_pictures quorvant <design folder> <images folder>
#include "pictures.h"

#include "toolkit/error.h"

#include <QGuiApplication>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);  // fonts and the painter's text engine need it
    try {
        if (argc == 3 && std::strcmp(argv[1], "velmora") == 0) {
            pictures::drawVelmora(pictures::Folder(argv[2]));
            return 0;
        }
        if (argc == 4 && std::strcmp(argv[1], "quorvant") == 0) {
            pictures::drawQuorvant(pictures::Folder(argv[2]), pictures::Folder(argv[3]));
            return 0;
        }
    } catch (const tk::Error& error) {
        std::cerr << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    std::cerr << "usage: make_pictures velmora <design folder>\n"
                 "       make_pictures quorvant <design folder> <images folder>\n";
    return 2;
}
