#include "mixpic.h"
