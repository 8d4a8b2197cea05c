#include "shell/Startup.h"

int main(int argc, char** argv) {
    return RunOrva(argc, argv);
}
