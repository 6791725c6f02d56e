#include "rtfcodec.h"
