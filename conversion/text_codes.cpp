#include "conversion/text_codes.h"
