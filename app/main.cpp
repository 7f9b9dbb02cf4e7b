#include "OtoKorvelB2B.h"

int main(int argc, char** argv)
{
    return OtoKorvelB2B::run(argc, argv);
}
