// The main of the benchmarks that draw with Qt Gui, without widgets.
#include "lancer_benchmarks.hpp"

#include <QGuiApplication>

int main(int argc, char** argv) {
    return lancer_benchmarks<QGuiApplication>(argc, argv);
}
