#include "uglobal.h"
