#include "shell/application.h"

int main(int argc, char** argv) {
    return zut::run(argc, argv);
}
