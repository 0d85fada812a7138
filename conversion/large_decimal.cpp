#include "conversion/large_decimal.h"
