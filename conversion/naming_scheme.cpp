#include "conversion/naming_scheme.h"
