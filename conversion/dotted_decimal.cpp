#include "conversion/dotted_decimal.h"
