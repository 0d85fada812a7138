#include "conversion/binary.h"
