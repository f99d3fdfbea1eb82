#include "shell/Application.h"

int main(int argc, char *argv[]) { return Tersalia::run(argc, argv); }
