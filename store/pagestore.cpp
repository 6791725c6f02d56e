#include "pagestore.h"
