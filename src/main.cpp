#include "startup/Initial.h"

int main(int argc, char **argv)
{
    return Initial::run(argc, argv);
}
