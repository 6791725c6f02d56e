#include "notedb.h"
