#include "udm.h"
