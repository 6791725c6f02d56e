#include "umain.h"
