#include "conversion/hexadecimal.h"
