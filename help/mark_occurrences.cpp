#include "help/mark_occurrences.h"
