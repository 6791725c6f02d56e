#include "datebanner.h"
