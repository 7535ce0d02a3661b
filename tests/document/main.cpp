#include "support/TestRegistry.h"

QL_TEST_GUILESS_MAIN
