#include "launcher/Strova.h"

int main(int argc, char** argv) {
    return RunStrova(argc, argv);
}
