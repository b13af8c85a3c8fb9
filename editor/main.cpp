#include "platform/Application.h"

int main(int argc, char** argv)
{
    return RunGuiProgram(argc, argv, "corvana", [] {});
}
