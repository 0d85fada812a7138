#include "conversion/code_page.h"
