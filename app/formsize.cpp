#include "formsize.h"
