#include "conversion/bit_tables.h"
