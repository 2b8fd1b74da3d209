#include "app/session/Session.h"

int main(int argc, char **argv)
{
    return zentrope::RunZentrope(argc, argv);
}
