#include "support/TestMain.h"

QL_TEST_MAIN()
